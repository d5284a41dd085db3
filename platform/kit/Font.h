#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/kit/Geometry.h"

namespace kit {

enum class FontWeight { regular, medium, semibold, bold };

// The system font at a size and weight. Sizes are logical pixels (the phone's points), so
// a size means the same on every display and measuring needs no display at all.
class Font final {
  public:
    // A size that is not a positive finite number gives the default size: text must stay
    // measurable whatever a caller asks for.
    static Font systemFontOfSize(double size, FontWeight weight = FontWeight::regular);
    static Font boldSystemFontOfSize(double size);
    static constexpr double defaultSize = 17;

    Font fontWithSize(double size) const { return systemFontOfSize(size, weight_); }

    double pointSize() const { return pointSize_; }
    FontWeight weight() const { return weight_; }
    const std::string& familyName() const;
    // Ascent plus descent of one line, as the text stack lays lines out.
    double lineHeight() const;

    // The size of a text on as many lines as its line breaks make; "" measures as zero.
    Size sizeOfText(std::string_view text) const;
    // Wrapped at `width`, keeping at most `maximumNumberOfLines` lines (0: no limit).
    Size sizeOfText(std::string_view text, double width, int maximumNumberOfLines) const;

    bool operator==(const Font&) const = default;

  private:
    Font(double size, FontWeight weight) : pointSize_(size), weight_(weight) {}

    double pointSize_;
    FontWeight weight_;
};

}  // namespace kit
