#include "platform/kit/Label.h"

#include <algorithm>
#include <cmath>

namespace kit {

void Label::setText(std::string text) {
    text_ = std::move(text);
    attachment_.reset();
    contentDidChange();
}

void Label::setAttachmentImage(std::optional<Image> image) {
    attachment_ = std::move(image);
    text_.clear();
    contentDidChange();
}

void Label::setFont(Font font) {
    font_ = font;
    contentDidChange();
}

void Label::setTextColor(Color color) {
    textColor_ = color;
    setNeedsDisplay();
}

void Label::setTextAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    setNeedsDisplay();
}

void Label::setNumberOfLines(int lines) {
    numberOfLines_ = std::max(lines, 0);
    contentDidChange();
}

void Label::setLineBreakMode(LineBreakMode mode) {
    lineBreakMode_ = mode;
    contentDidChange();
}

TextLayout::Options Label::layoutOptions(std::optional<double> width) const {
    TextLayout::Options options;
    options.width = width;
    options.maximumNumberOfLines = numberOfLines_;
    options.lineBreakMode = lineBreakMode_;
    options.alignment = alignment_;
    return options;
}

// Rounded up to whole points, so text measured as 55.3 wide is never squeezed into 55.
Size Label::intrinsicContentSize() const {
    if (!intrinsicSize_) {
        Size size = attachment_ ? Size{attachment_->size().width,
                                       std::max(attachment_->size().height, font_.lineHeight())}
                                : TextLayout(text_, font_, layoutOptions(std::nullopt)).size();
        intrinsicSize_ = Size{std::ceil(size.width), std::ceil(size.height)};
    }
    return *intrinsicSize_;
}

std::optional<double> Label::heightForWidth(double width) const {
    if (numberOfLines_ == 1 || attachment_) {
        return std::nullopt;
    }
    if (!heightAtWidth_ || heightAtWidth_->width != width) {
        double height = TextLayout(text_, font_, layoutOptions(width)).size().height;
        heightAtWidth_ = HeightAtWidth{width, std::ceil(height)};
    }
    return heightAtWidth_->height;
}

void Label::contentDidChange() {
    intrinsicSize_.reset();
    heightAtWidth_.reset();
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

}  // namespace kit
