#include <string>
#include <tuple>

#include "platform/foundation/MainQueue.h"
#include "platform/host/Console.h"
#include "platform/host/EventFilter.h"
#include "platform/host/SdlWindow.h"
#include "platform/kit/ContextMenuView.h"
#include "platform/kit/Driver.h"
#include "platform/kit/ScrollView.h"

// The window's input: SDL's events turned into touches, scrolls and typing.

namespace host {

namespace {

constexpr double kDragThreshold = 6;

}  // namespace

void SdlWindow::handle(const SDL_Event& event) {
    dirty_ = dirty_ || EventFilter::needsFrame(event, pressedAt_.has_value());
    if (EventFilter::quits(event)) {
        quit_ = true;
        return;
    }
    switch (event.type) {
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                if (auto fitted = fitFrame(); !fitted) {
                    Console::error(fitted.error().description);
                    quit_ = true;
                }
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            handleButton(event.button, event.type == SDL_MOUSEBUTTONDOWN);
            break;
        case SDL_MOUSEMOTION:
            handleMotion(event.motion);
            break;
        case SDL_MOUSEWHEEL:
            handleWheel(event.wheel);
            break;
        case SDL_TEXTINPUT: {
            // Typing with no field being edited does nothing, as on the phone.
            std::ignore = kit::Driver(session_.window()).type(event.text.text);
            break;
        }
        case SDL_KEYDOWN:
            handleKey(event.key);
            break;
        default:
            break;
    }
}

void SdlWindow::handleButton(const SDL_MouseButtonEvent& button, bool down) {
    auto window = session_.window();
    kit::Point point = toPoint(button.x, button.y);
    if (button.button == SDL_BUTTON_RIGHT) {
        if (down) {
            kit::ContextMenuView::presentAt(window, point);
        }
        return;
    }
    if (button.button != SDL_BUTTON_LEFT) {
        return;
    }
    if (down) {
        pressedAt_ = point;
        pressedTime_ = foundation::MainQueue::main().now();
        dragging_ = false;
        held_ = false;
        window->sendTouch(kit::TouchPhase::began, point);
    } else if (pressedAt_) {
        window->sendTouch(kit::TouchPhase::ended, point);
        pressedAt_.reset();
    }
    kit::Driver(window).settle();
}

void SdlWindow::handleMotion(const SDL_MouseMotionEvent& motion) {
    if (!pressedAt_) {
        return;
    }
    kit::Point point = toPoint(motion.x, motion.y);
    if (std::abs(point.x - pressedAt_->x) + std::abs(point.y - pressedAt_->y) > kDragThreshold) {
        dragging_ = true;
    }
    session_.window()->sendTouch(kit::TouchPhase::moved, point);
}

void SdlWindow::handleWheel(const SDL_MouseWheelEvent& wheel) {
    int x = 0;
    int y = 0;
    sdl_->SDL_GetMouseState(&x, &y);
    if (auto scroll = kit::ScrollView::wheelTarget(session_.window()->hitTest(toPoint(x, y)))) {
        scroll->scrollBy({0, -wheel.preciseY * kWheelPoints});
    }
}

// A key with nothing to act on does nothing, as on the phone.
void SdlWindow::handleKey(const SDL_KeyboardEvent& key) {
    kit::Driver driver(session_.window());
    switch (key.keysym.sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            std::ignore = driver.press(kit::Key::returnKey);
            break;
        case SDLK_BACKSPACE:
            std::ignore = driver.press(kit::Key::backspace);
            break;
        case SDLK_ESCAPE:
            std::ignore = driver.press(kit::Key::escape);
            break;
        default:
            break;
    }
}

// A finger resting in place long enough brings up the context menu there, and the touch
// ends as cancelled, as on the phone.
void SdlWindow::longPressIfHeld() {
    if (!pressedAt_ || dragging_ || held_ ||
        foundation::MainQueue::main().now() - pressedTime_ < kLongPressSeconds) {
        return;
    }
    auto window = session_.window();
    held_ = true;
    if (kit::ContextMenuView::presentAt(window, *pressedAt_)) {
        window->sendTouch(kit::TouchPhase::cancelled, *pressedAt_);
        pressedAt_.reset();
    }
    dirty_ = true;
}

}  // namespace host
