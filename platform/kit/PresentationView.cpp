#include "platform/kit/PresentationView.h"

#include "platform/kit/Window.h"

namespace kit {

namespace {

// The gap a sheet leaves under the status bar, and its corner radius, as on the phone.
constexpr double sheetTopGap = 10;
constexpr double sheetCornerRadius = 10;
constexpr double dimmingAlpha = 0.35;

}  // namespace

std::shared_ptr<PresentationView> PresentationView::make(
    const std::shared_ptr<ViewController>& controller, Rect bounds) {
    auto container = std::make_shared<PresentationView>();
    container->setFrame(bounds);
    container->controller_ = controller;
    container->style_ = controller->modalPresentationStyle();
    const auto& content = controller->view();
    content->setTranslatesAutoresizingMaskIntoConstraints(true);
    if (container->style_ != ModalPresentationStyle::pageSheet) {
        container->addSubview(content);
        return container;
    }
    container->dimming_ = std::make_shared<View>();
    container->dimming_->setBackgroundColor(Color::blackColor().withAlpha(dimmingAlpha));
    container->addSubview(container->dimming_);
    container->sheet_ = std::make_shared<View>();
    container->sheet_->setCornerRadius(sheetCornerRadius);
    container->sheet_->setMaskedCorners(minXMinYCorner | maxXMinYCorner);
    container->sheet_->setClipsToBounds(true);
    container->addSubview(container->sheet_);
    container->sheet_->addSubview(content);
    // The grabber only shows where a swipe can close the sheet.
    if (!controller->isModalInPresentation()) {
        container->grabber_ = std::make_shared<View>();
        container->grabber_->setBackgroundColor(Color::systemGray2Color());
        container->grabber_->setCornerRadius(2.5);
        container->grabber_->setUserInteractionEnabled(false);
        container->sheet_->addSubview(container->grabber_);
    }
    return container;
}

void PresentationView::layoutSubviews() {
    auto controller = controller_.lock();
    auto content = controller ? controller->viewIfLoaded() : nullptr;
    if (!sheet_) {
        if (content) {
            content->setFrame(bounds());
        }
        return;
    }
    dimming_->setFrame(bounds());
    double top = 0;
    if (auto window = this->window()) {
        top = window->windowSafeAreaInsets().top + sheetTopGap;
    }
    sheet_->setFrame({0, top, bounds().width(), bounds().height() - top});
    if (content) {
        content->setFrame(sheet_->bounds());
    }
    if (grabber_) {
        grabber_->setFrame({(bounds().width() - 36) / 2, 5, 36, 5});
    }
}

std::shared_ptr<View> PresentationView::movingView() const {
    if (sheet_) {
        return sheet_;
    }
    auto controller = controller_.lock();
    return controller ? controller->viewIfLoaded() : nullptr;
}

void PresentationView::animateIn(ModalTransitionStyle transition) {
    layoutIfNeeded();
    if (transition == ModalTransitionStyle::crossDissolve) {
        performWithoutAnimation([this] { setAlpha(0); });
        animate(transitionDuration, [this] { setAlpha(1); });
        return;
    }
    auto moving = movingView();
    if (dimming_) {
        performWithoutAnimation([this] { dimming_->setAlpha(0); });
        animate(transitionDuration, [this] { dimming_->setAlpha(1); });
    }
    if (moving) {
        double height = bounds().height();
        performWithoutAnimation(
            [&] { moving->setTransform(AffineTransform::translation(0, height)); });
        animate(transitionDuration, [&] { moving->setTransform(AffineTransform::identity()); });
    }
}

void PresentationView::animateOut(ModalTransitionStyle transition,
                                  std::function<void()> completion) {
    std::weak_ptr<View> weakSelf = std::static_pointer_cast<View>(shared_from_this());
    auto remove = [weakSelf, completion = std::move(completion)](bool) {
        if (auto self = weakSelf.lock()) {
            self->removeFromSuperview();
        }
        if (completion) {
            completion();
        }
    };
    auto moving = movingView();
    animate(
        transitionDuration,
        [&] {
            setAlpha(0);
            if (transition == ModalTransitionStyle::coverVertical && moving) {
                moving->setTransform(AffineTransform::translation(0, bounds().height()));
            }
        },
        remove);
}

std::shared_ptr<View> PresentationView::hitTest(Point point) {
    if (sheet_ && !isHidden() && alpha() >= 0.01) {
        Rect strip{sheet_->frame().origin, {sheet_->frame().width(), grabberStripHeight}};
        if (strip.contains(point)) {
            return std::static_pointer_cast<View>(shared_from_this());
        }
    }
    return View::hitTest(point);
}

void PresentationView::touchesBegan(const Touch& touch) {
    swipeStartY_ = touch.location.y;
}

void PresentationView::touchesEnded(const Touch& touch) {
    if (!sheet_ || touch.location.y - swipeStartY_ < swipeDistance) {
        return;
    }
    if (auto controller = controller_.lock()) {
        controller->dismissBySwipe();
    }
}

}  // namespace kit
