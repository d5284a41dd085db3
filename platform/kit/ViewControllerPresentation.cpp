// Presenting and dismissing controllers; the rest of ViewController is in ViewController.cpp.
#include <cstdio>
#include <optional>
#include <string>

#include "platform/foundation/Log.h"
#include "platform/foundation/MainQueue.h"
#include "platform/kit/PresentationView.h"
#include "platform/kit/ViewController.h"
#include "platform/kit/Window.h"

namespace kit {

namespace {

// How the phone's log names an object: its class and address.
std::string describe(const ViewController& controller) {
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void*>(&controller));
    return "<" + controller.className() + ": " + address + ">";
}

void runAfterTransition(bool animated, std::function<void()> work) {
    if (animated) {
        foundation::MainQueue::main().after(PresentationView::transitionDuration, std::move(work));
    } else {
        work();
    }
}

}  // namespace

std::shared_ptr<ViewController> ViewController::presentationHost() {
    auto host = sharedSelf(this);
    while (auto container = host->parent()) {
        host = container;
    }
    return host;
}

std::shared_ptr<ViewController> ViewController::presentedViewController() const {
    auto host = const_cast<ViewController*>(this)->presentationHost();
    return host->presented_;
}

std::shared_ptr<ViewController> ViewController::presentingViewController() const {
    return presenting_.lock();
}

std::optional<std::string> ViewController::refusalToPresent(
    const std::shared_ptr<ViewController>& host, const ViewController& controller) const {
    // As the phone words it: the controller that presents, and the one asked, when they differ.
    std::string attempt = "Attempt to present " + describe(controller) + " on " + describe(*host);
    if (host.get() != this) {
        attempt += " (from " + describe(*this) + ")";
    }
    if (host->presented_) {
        return attempt + " which is already presenting " + describe(*host->presented_) + ".";
    }
    if (controller.presenting_.lock() || controller.parent() || &controller == host.get()) {
        return attempt + " which is already on screen.";
    }
    if (!host->view_ || !host->view_->window()) {
        return attempt + " whose view is not in the window hierarchy.";
    }
    return std::nullopt;
}

void ViewController::present(const std::shared_ptr<ViewController>& controller, bool animated,
                             Completion completion) {
    if (!controller) {
        return;
    }
    auto host = presentationHost();
    if (auto refusal = refusalToPresent(host, *controller)) {
        foundation::Log::write(*refusal);
        return;
    }
    auto window = host->view_->window();
    host->presented_ = controller;
    controller->presenting_ = host;
    auto container = PresentationView::make(controller, window->bounds());
    host->presentedContainer_ = container;
    window->addSubview(container);
    bool covers = controller->modalPresentationStyle() == ModalPresentationStyle::fullScreen;
    if (covers) {
        host->beginDisappearance(animated);
    }
    controller->beginAppearance(animated);
    if (animated) {
        container->animateIn(controller->modalTransitionStyle());
    }
    std::weak_ptr<ViewController> weakHost = host;
    std::weak_ptr<ViewController> weakController = controller;
    runAfterTransition(
        animated, [weakHost, weakController, covers, animated, completion = std::move(completion)] {
            if (auto presented = weakController.lock()) {
                presented->endAppearance(animated);
            }
            if (auto presenter = weakHost.lock(); presenter && covers) {
                presenter->endDisappearance(animated);
            }
            if (completion) {
                completion();
            }
        });
}

void ViewController::dismiss(bool animated, Completion completion) {
    auto host = presentationHost();
    if (!host->presented_) {
        host = host->presenting_.lock();
    }
    if (!host || !host->presented_) {
        return;
    }
    auto container = host->presentedContainer_;
    host->finishDismissal(container, animated, std::move(completion));
}

void ViewController::finishDismissal(std::shared_ptr<PresentationView> container, bool animated,
                                     Completion completion) {
    auto presented = presented_;
    // Whatever the dismissed controller presented goes with it.
    if (presented->presented_) {
        presented->finishDismissal(presented->presentedContainer_, false, {});
    }
    presented_.reset();
    presentedContainer_.reset();
    presented->presenting_.reset();
    bool covered = container && container->style() == ModalPresentationStyle::fullScreen;
    presented->beginDisappearance(animated);
    if (covered) {
        beginAppearance(animated);
    }
    std::weak_ptr<ViewController> weakHost = sharedSelf(this);
    auto finish = [weakHost, presented, covered, animated, completion = std::move(completion)] {
        presented->endDisappearance(animated);
        if (auto host = weakHost.lock(); host && covered) {
            host->endAppearance(animated);
        }
        if (completion) {
            completion();
        }
    };
    if (!container) {
        finish();
    } else if (animated) {
        container->animateOut(presented->modalTransitionStyle(), std::move(finish));
    } else {
        container->removeFromSuperview();
        finish();
    }
}

bool ViewController::dismissBySwipe() {
    if (modalInPresentation_ || !presenting_.lock()) {
        return false;
    }
    dismiss(true);
    return true;
}

}  // namespace kit
