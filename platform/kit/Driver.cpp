#include "platform/kit/Driver.h"

#include <algorithm>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/ContextMenuView.h"
#include "platform/kit/PresentationView.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/TextField.h"
#include "platform/kit/Window.h"

namespace kit {

namespace {

constexpr int dragSteps = 10;
// Half a screen at a time; a list longer than this many steps is not searched to its end.
constexpr int maximumScrollPages = 500;
// Work that keeps adding work for now would never let a step end.
constexpr int maximumTurns = 1000;

foundation::Error notFound(std::string_view text) {
    return {"No visible view shows \"" + std::string(text) + "\""};
}

// Scrolls `scrollView` as little as needed to bring `rect` (window coordinates) in.
void scrollIntoView(ScrollView& scrollView, Rect rect) {
    Point topLeft = scrollView.convertFromWindow(rect.origin);
    Rect shown = scrollView.bounds();
    EdgeInsets inset = scrollView.adjustedContentInset();
    Point offset = scrollView.contentOffset();
    double visibleTop = shown.minY() + inset.top;
    double visibleBottom = shown.maxY() - inset.bottom;
    if (topLeft.y < visibleTop) {
        offset.y -= visibleTop - topLeft.y;
    } else if (topLeft.y + rect.height() > visibleBottom) {
        offset.y += std::min(topLeft.y - visibleTop, topLeft.y + rect.height() - visibleBottom);
    }
    Point low = scrollView.minimumContentOffset();
    Point high = scrollView.maximumContentOffset();
    offset.y = std::clamp(offset.y, low.y, std::max(low.y, high.y));
    scrollView.setContentOffset(offset, false);
}

// A view in a list inside a scrolling form needs both moved, the inner first.
void scrollIntoViewThroughAll(const View& view) {
    for (auto ancestor = view.superview(); ancestor; ancestor = ancestor->superview()) {
        if (auto scroll = std::dynamic_pointer_cast<ScrollView>(ancestor)) {
            scrollIntoView(*scroll,
                           {view.convertToWindow(view.bounds().origin), view.bounds().size});
        }
    }
}

}  // namespace

Driver::Driver(std::shared_ptr<Window> window) : window_(std::move(window)) {
    settle();
}

void Driver::settle() {
    auto& queue = foundation::MainQueue::main();
    for (int turn = 0; turn < maximumTurns; ++turn) {
        queue.runDue();
        window_->layoutIfNeeded();
        if (!queue.hasDueWork()) {
            return;
        }
    }
}

void Driver::wait(double seconds) {
    auto& queue = foundation::MainQueue::main();
    double end = queue.now() + std::max(0.0, seconds);
    while (auto due = queue.nextDueTime()) {
        if (*due > end) {
            break;
        }
        queue.advance(std::max(0.0, *due - queue.now()));
        settle();
    }
    queue.advance(std::max(0.0, end - queue.now()));
    settle();
}

std::shared_ptr<View> Driver::find(std::string_view text) const {
    auto found = ViewFinder(window_).find(text);
    return found ? found->view : nullptr;
}

std::vector<std::string> Driver::textsOnScreen() const {
    return ViewFinder(window_).textsOnScreen();
}

std::optional<ViewFinder::Found> Driver::scrollToFind(std::string_view text) {
    // Lists make cells only for rows on screen, so a person scrolls to look for a row.
    std::vector<std::shared_ptr<ScrollView>> lists;
    for (const auto& entry : ViewFinder(window_).visibleViews()) {
        if (auto scroll = std::dynamic_pointer_cast<ScrollView>(entry)) {
            lists.insert(lists.begin(), scroll);
        }
    }
    for (const auto& list : lists) {
        Point start = list->contentOffset();
        double step = std::max(1.0, list->bounds().height() / 2);
        list->setContentOffset(list->minimumContentOffset(), false);
        settle();
        for (int page = 0; page < maximumScrollPages; ++page) {
            if (auto found = ViewFinder(window_).find(text)) {
                return found;
            }
            Point offset = list->contentOffset();
            if (offset.y >= list->maximumContentOffset().y) {
                break;
            }
            offset.y = std::min(offset.y + step, list->maximumContentOffset().y);
            list->setContentOffset(offset, false);
            settle();
        }
        list->setContentOffset(start, false);
        settle();
    }
    return std::nullopt;
}

foundation::Result<Point> Driver::locate(std::string_view text) {
    auto found = ViewFinder(window_).find(text);
    if (!found) {
        found = scrollToFind(text);
    }
    if (!found) {
        return notFound(text);
    }
    if (found->scrollView) {
        scrollIntoViewThroughAll(*found->view);
        settle();
    }
    // Look again: scrolling moved it, and it must be on screen now.
    auto shown = ViewFinder(window_).visibleTexts(ViewFinder::Reach::onScreen);
    auto it = std::find_if(shown.begin(), shown.end(), [&](const ViewFinder::Found& entry) {
        return entry.view == found->view;
    });
    if (it == shown.end()) {
        return foundation::Error{"\"" + std::string(text) + "\" cannot be brought on screen"};
    }
    return it->visibleRect.center();
}

foundation::Result<void> Driver::tap(std::string_view text) {
    auto point = locate(text);
    if (!point) {
        return point.error();
    }
    return tapAt(point.value());
}

foundation::Result<void> Driver::tapAt(Point point) {
    window_->sendTouch(TouchPhase::began, point);
    window_->sendTouch(TouchPhase::ended, point);
    settle();
    return {};
}

foundation::Result<void> Driver::longPress(std::string_view text) {
    auto point = locate(text);
    if (!point) {
        return point.error();
    }
    return longPressAt(point.value());
}

foundation::Result<void> Driver::longPressAt(Point point) {
    window_->sendTouch(TouchPhase::began, point);
    wait(longPressDuration);
    if (ContextMenuView::presentAt(window_, point)) {
        window_->sendTouch(TouchPhase::cancelled, point);
    } else {
        window_->sendTouch(TouchPhase::ended, point);
    }
    settle();
    return {};
}

foundation::Result<void> Driver::drag(Point from, Point to) {
    window_->sendTouch(TouchPhase::began, from);
    for (int step = 1; step <= dragSteps; ++step) {
        double t = static_cast<double>(step) / dragSteps;
        window_->sendTouch(TouchPhase::moved,
                           {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
    window_->sendTouch(TouchPhase::ended, to);
    settle();
    return {};
}

foundation::Result<void> Driver::type(std::string_view text) {
    auto field = std::dynamic_pointer_cast<TextField>(window_->firstResponder());
    if (!field) {
        return foundation::Error{"Nothing is being edited"};
    }
    field->insertText(text);
    settle();
    return {};
}

foundation::Result<void> Driver::press(Key key) {
    auto field = std::dynamic_pointer_cast<TextField>(window_->firstResponder());
    if (key == Key::escape) {
        if (auto responder = window_->firstResponder()) {
            responder->resignFirstResponder();
        } else if (auto menu = ContextMenuView::showing(*window_)) {
            menu->dismiss();
        } else if (!cancelFrontAlert()) {
            return foundation::Error{"Nothing to escape from"};
        }
    } else if (!field) {
        return foundation::Error{"Nothing is being edited"};
    } else if (key == Key::returnKey) {
        field->insertText("\n");
    } else {
        field->deleteBackward();
    }
    settle();
    return {};
}

bool Driver::cancelFrontAlert() {
    const auto& layers = window_->subviews();
    for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        auto container = std::dynamic_pointer_cast<PresentationView>(*it);
        if (!container || container->alpha() < 0.01) {
            continue;
        }
        auto alert = std::dynamic_pointer_cast<AlertController>(container->controller());
        if (!alert) {
            return false;
        }
        const auto& actions = alert->actions();
        for (std::size_t index = 0; index < actions.size(); ++index) {
            if (actions[index].style == AlertActionStyle::cancel) {
                alert->performAction(index);
                return true;
            }
        }
        return false;
    }
    return false;
}

}  // namespace kit
