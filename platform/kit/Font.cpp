#include "platform/kit/Font.h"

#include <cmath>

#include "platform/kit/TextLayout.h"

namespace kit {

Font Font::systemFontOfSize(double size, FontWeight weight) {
    bool usable = std::isfinite(size) && size > 0;
    return Font(usable ? size : defaultSize, weight);
}

Font Font::boldSystemFontOfSize(double size) {
    return systemFontOfSize(size, FontWeight::bold);
}

// Inter stands in for the phone's system font: the closest free match in shape and width.
const std::string& Font::familyName() const {
    static const std::string family = "Inter";
    return family;
}

double Font::lineHeight() const {
    return TextLayout::lineHeight(*this);
}

Size Font::sizeOfText(std::string_view text) const {
    return TextLayout(text, *this).size();
}

Size Font::sizeOfText(std::string_view text, double width, int maximumNumberOfLines) const {
    TextLayout::Options options;
    options.width = width;
    options.maximumNumberOfLines = maximumNumberOfLines;
    return TextLayout(text, *this, options).size();
}

}  // namespace kit
