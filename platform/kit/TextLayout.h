#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/kit/Font.h"
#include "platform/kit/Geometry.h"

using PangoLayout = struct _PangoLayout;
using PangoFontMap = struct _PangoFontMap;

namespace kit {

enum class TextAlignment { natural, left, center, right };

// What happens to text that does not fit its lines: cut at the edge, or shortened with an
// ellipsis at the end of the last line.
enum class LineBreakMode { byClipping, byTruncatingTail };

// A text laid out in a font the way a label shows it, measured with Pango on an image
// surface, so sizes need no display and the renderer can draw exactly what was measured.
//
// Without a width the text keeps its own line breaks and nothing wraps. With a width it
// wraps between words (inside a word only when the word alone is too wide), except when
// the line limit is 1, which keeps one unwrapped line. A line limit counts lines of the whole
// text, paragraphs included. The last line allowed is cut at the edge, or, when truncating,
// holds the rest of the text with line breaks as spaces and ends in an ellipsis if it must.
// Metrics are unhinted, so a size is the same at every drawing scale. Text that is not valid
// UTF-8 is laid out with U+FFFD in place of the bad bytes.
class TextLayout final {
  public:
    struct Options {
        std::optional<double> width;
        int maximumNumberOfLines = 0;  // 0: no limit
        LineBreakMode lineBreakMode = LineBreakMode::byTruncatingTail;
        TextAlignment alignment = TextAlignment::natural;
    };

    TextLayout(std::string_view text, const Font& font, Options options);
    // The same layout, shared with earlier callers that asked for the same text, font and
    // options. Labels are measured and drawn with the same text again and again, frame after
    // frame, and laying each out afresh would take most of a frame. Recent layouts are kept;
    // the cache starts over when it fills.
    static std::shared_ptr<const TextLayout> shared(std::string_view text, const Font& font,
                                                    const Options& options);
    TextLayout(std::string_view text, const Font& font) : TextLayout(text, font, Options{}) {}
    ~TextLayout();
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    // The logical size of the lines shown; "" is zero by zero.
    Size size() const { return size_; }
    int numberOfLines() const;
    // True when lines or characters of the text are not shown.
    bool isTruncated() const { return truncated_; }
    // The text as laid out, with the ellipsis when there is one.
    const std::string& shownText() const { return shownText_; }
    // The Pango family, weight and size of the first run, as the font machinery resolved them.
    std::string describeUsedFont() const;
    PangoLayout* pangoLayout() const { return layout_; }

    static double lineHeight(const Font& font);
    // Pango's font map, with Inter's fallback fonts set; everything that draws text uses it.
    static PangoFontMap* fontMap();

  private:
    void limitLines(const std::string& text, const Options& options);
    std::string fitLastLine(const std::string& rest, const Options& options) const;
    void setText(const std::string& text);
    void measure(const Options& options);

    PangoLayout* layout_;
    int lineHeight_;  // Pango units
    std::string shownText_;
    Size size_;
    bool truncated_ = false;
};

}  // namespace kit
