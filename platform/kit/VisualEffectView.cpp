#include "platform/kit/VisualEffectView.h"

namespace kit {

std::shared_ptr<VisualEffectView> VisualEffectView::make(std::optional<BlurEffectStyle> effect) {
    auto view = std::make_shared<VisualEffectView>();
    view->effect_ = effect;
    view->contentView_ = std::make_shared<View>();
    view->addSubview(view->contentView_);
    return view;
}

void VisualEffectView::setEffect(std::optional<BlurEffectStyle> effect) {
    effect_ = effect;
    setNeedsDisplay();
}

// The content view follows at once as well as at layout, so it is right between passes.
void VisualEffectView::setFrame(Rect frame) {
    View::setFrame(frame);
    if (contentView_) {
        contentView_->setFrame(bounds());
    }
}

void VisualEffectView::layoutSubviews() {
    if (contentView_) {
        contentView_->setFrame(bounds());
    }
}

}  // namespace kit
