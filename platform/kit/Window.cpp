#include "platform/kit/Window.h"

#include "platform/kit/TextField.h"
#include "platform/kit/ViewController.h"

namespace kit {

Window::Window(Screen screen) : View(screen.bounds()), screen_(screen) {
    setHidden(true);
}

void Window::setRootView(std::shared_ptr<View> view) {
    if (rootView_ == view) {
        return;
    }
    if (rootView_) {
        rootView_->removeFromSuperview();
    }
    rootView_ = std::move(view);
    if (rootView_) {
        rootView_->setTranslatesAutoresizingMaskIntoConstraints(true);
        rootView_->setFrame(bounds());
        // Under anything presented over the old root.
        insertSubview(rootView_, 0);
    }
}

void Window::setRootViewController(std::shared_ptr<ViewController> controller) {
    if (rootController_ == controller) {
        return;
    }
    bool shown = !isHidden();
    if (rootController_ && shown) {
        rootController_->beginDisappearance(false);
        rootController_->endDisappearance(false);
    }
    rootController_ = std::move(controller);
    setRootView(rootController_ ? rootController_->view() : nullptr);
    if (rootController_ && shown) {
        rootController_->beginAppearance(false);
        rootController_->endAppearance(false);
    }
}

void Window::makeKeyAndVisible() {
    key_ = true;
    bool wasHidden = isHidden();
    setHidden(false);
    setNeedsLayout();
    if (wasHidden && rootController_) {
        rootController_->beginAppearance(false);
        rootController_->endAppearance(false);
    }
}

InterfaceStyle Window::interfaceStyle() const {
    return overrideStyle_.value_or(screen_.interfaceStyle());
}

void Window::setOverrideInterfaceStyle(std::optional<InterfaceStyle> style) {
    overrideStyle_ = style;
    // Dynamic colours are resolved when drawn, so a redraw is all a new style needs.
    std::vector<std::shared_ptr<View>> pending{subviews()};
    setNeedsDisplay();
    while (!pending.empty()) {
        auto view = pending.back();
        pending.pop_back();
        view->setNeedsDisplay();
        pending.insert(pending.end(), view->subviews().begin(), view->subviews().end());
    }
}

bool Window::makeFirstResponder(const std::shared_ptr<View>& view) {
    auto old = firstResponder();
    if (old == view) {
        return true;
    }
    if (old && !old->resignFirstResponder()) {
        return false;
    }
    firstResponder_ = view;
    updateInputAccessory();
    return true;
}

void Window::dropFirstResponder(const View& view) {
    if (firstResponder().get() == &view) {
        firstResponder_.reset();
        updateInputAccessory();
    }
}

void Window::updateInputAccessory() {
    if (inputAccessory_) {
        inputAccessory_->removeFromSuperview();
        inputAccessory_.reset();
    }
    auto field = std::dynamic_pointer_cast<TextField>(firstResponder());
    if (!field || !field->inputAccessoryView()) {
        return;
    }
    // There is no keyboard on the desktop, so the bar sits where the keyboard would start:
    // at the bottom, above the home indicator.
    inputAccessory_ = field->inputAccessoryView();
    double height = inputAccessory_->frame().height();
    if (height <= 0) {
        height = inputAccessory_->intrinsicContentSize().height;
    }
    if (height <= 0) {
        height = defaultAccessoryHeight;
    }
    double bottom = bounds().height() - windowSafeAreaInsets().bottom;
    inputAccessory_->setTranslatesAutoresizingMaskIntoConstraints(true);
    inputAccessory_->setFrame({0, bottom - height, bounds().width(), height});
    addSubview(inputAccessory_);
}

std::shared_ptr<View> Window::sendTouch(TouchPhase phase, Point location) {
    if (phase == TouchPhase::began) {
        if (touchView_) {
            // A new touch while one is still down: the old one is over.
            sendTouch(TouchPhase::cancelled, touch_.location);
        }
        touchView_ = hitTest(convertFromSuperview(location));
        touch_ = Touch{location, location, phase, touchView_};
    } else {
        touch_.previousLocation = touch_.location;
        touch_.location = location;
        touch_.phase = phase;
    }
    auto view = touchView_;
    if (!view) {
        return nullptr;
    }
    if (phase == TouchPhase::ended || phase == TouchPhase::cancelled) {
        touchView_.reset();
    }
    switch (phase) {
        case TouchPhase::began:
            view->touchesBegan(touch_);
            break;
        case TouchPhase::moved:
            view->touchesMoved(touch_);
            break;
        case TouchPhase::ended:
            view->touchesEnded(touch_);
            break;
        case TouchPhase::cancelled:
            view->touchesCancelled(touch_);
            break;
    }
    return view;
}

void Window::setApplication(std::weak_ptr<Responder> application) {
    application_ = std::move(application);
}

std::shared_ptr<Responder> Window::nextResponder() const {
    return application_.lock();
}

std::shared_ptr<Window> Window::window() const {
    return std::static_pointer_cast<Window>(
        std::const_pointer_cast<Responder>(weak_from_this().lock()));
}

}  // namespace kit
