#include "platform/kit/Button.h"

#include <algorithm>
#include <cmath>

namespace kit {

Button::Button(ButtonType type) : type_(type) {}

std::shared_ptr<Button> Button::buttonWithType(ButtonType type) {
    return std::make_shared<Button>(type);
}

template <class Value>
std::optional<Value> Button::lookUp(const std::map<ControlState, Value>& values,
                                    ControlState state) {
    auto found = values.find(state);
    if (found == values.end()) {
        found = values.find(ControlState::normal);
    }
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

void Button::setTitle(std::optional<std::string> title, ControlState state) {
    if (title) {
        titles_[state] = std::move(*title);
    } else {
        titles_.erase(state);
    }
    contentDidChange();
}

std::optional<std::string> Button::titleForState(ControlState state) const {
    return lookUp(titles_, state);
}

void Button::setTitleColor(std::optional<Color> color, ControlState state) {
    if (color) {
        titleColors_[state] = *color;
    } else {
        titleColors_.erase(state);
    }
    setNeedsDisplay();
}

std::optional<Color> Button::titleColorForState(ControlState state) const {
    return lookUp(titleColors_, state);
}

Color Button::currentTitleColor() const {
    if (std::optional<Color> color = titleColorForState(state())) {
        return *color;
    }
    if (type_ == ButtonType::custom) {
        return Color::whiteColor();
    }
    Color tint = tintColor();
    return isHighlighted() ? tint.withAlpha(tint.components().alpha * 0.2) : tint;
}

void Button::setImage(std::optional<Image> image, ControlState state) {
    if (image) {
        images_.insert_or_assign(state, std::move(*image));
    } else {
        images_.erase(state);
    }
    contentDidChange();
}

std::optional<Image> Button::imageForState(ControlState state) const {
    return lookUp(images_, state);
}

void Button::setTitleFont(Font font) {
    font_ = font;
    contentDidChange();
}

void Button::setTitleAlignment(TextAlignment alignment) {
    titleAlignment_ = alignment;
    setNeedsDisplay();
}

void Button::setContentEdgeInsets(EdgeInsets insets) {
    contentInsets_ = insets;
    contentDidChange();
}

Size Button::intrinsicContentSize() const {
    Size content;
    if (std::optional<Image> image = currentImage()) {
        content = image->size();
    }
    std::optional<std::string> title = currentTitle();
    if (title && !title->empty()) {
        Size text = font_.sizeOfText(*title);
        content.width += std::ceil(text.width);
        content.height = std::max(content.height, std::ceil(text.height));
    }
    return {content.width + contentInsets_.left + contentInsets_.right,
            content.height + contentInsets_.top + contentInsets_.bottom};
}

// A change of state may change the title or image shown, and so the size.
void Button::setHighlighted(bool highlighted) {
    Control::setHighlighted(highlighted);
    contentDidChange();
}

void Button::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    contentDidChange();
}

void Button::setSelected(bool selected) {
    Control::setSelected(selected);
    contentDidChange();
}

void Button::contentDidChange() {
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

}  // namespace kit
