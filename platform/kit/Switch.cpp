#include "platform/kit/Switch.h"

namespace kit {

void Switch::setOn(bool on, [[maybe_unused]] bool animated) {
    on_ = on;
    setNeedsDisplay();
}

Color Switch::onTintColor() const {
    return onTintColor_.value_or(Color::systemGreenColor());
}

void Switch::setOnTintColor(std::optional<Color> color) {
    onTintColor_ = color;
    setNeedsDisplay();
}

Color Switch::thumbTintColor() const {
    return thumbTintColor_.value_or(Color::whiteColor());
}

void Switch::setThumbTintColor(std::optional<Color> color) {
    thumbTintColor_ = color;
    setNeedsDisplay();
}

void Switch::touchEndedInside(const Touch&) {
    setOn(!on_);
    sendActionsForControlEvents(ControlEvents::valueChanged);
}

}  // namespace kit
