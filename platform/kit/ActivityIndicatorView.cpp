#include "platform/kit/ActivityIndicatorView.h"

namespace kit {

ActivityIndicatorView::ActivityIndicatorView(ActivityIndicatorViewStyle style) : style_(style) {
    setUserInteractionEnabled(false);
    setHidden(true);
}

void ActivityIndicatorView::setColor(std::optional<Color> color) {
    color_ = color;
    setNeedsDisplay();
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides) {
    hidesWhenStopped_ = hides;
    if (!animating_) {
        setHidden(hides);
    }
}

void ActivityIndicatorView::startAnimating() {
    animating_ = true;
    setHidden(false);
    setNeedsDisplay();
}

void ActivityIndicatorView::stopAnimating() {
    animating_ = false;
    if (hidesWhenStopped_) {
        setHidden(true);
    }
    setNeedsDisplay();
}

Size ActivityIndicatorView::intrinsicContentSize() const {
    return style_ == ActivityIndicatorViewStyle::large ? Size{37, 37} : Size{20, 20};
}

}  // namespace kit
