#pragma once

#include <memory>

#include "platform/kit/Window.h"

namespace kittest {

// A key window on the notched screen with an empty root view, and a finger to touch it.
struct KitScreen {
    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<kit::View> root = std::make_shared<kit::View>();

    KitScreen() {
        window->setRootView(root);
        window->makeKeyAndVisible();
    }

    void tap(kit::Point point) const {
        window->sendTouch(kit::TouchPhase::began, point);
        window->sendTouch(kit::TouchPhase::ended, point);
    }
    void press(kit::Point point) const { window->sendTouch(kit::TouchPhase::began, point); }
    void move(kit::Point point) const { window->sendTouch(kit::TouchPhase::moved, point); }
    void lift(kit::Point point) const { window->sendTouch(kit::TouchPhase::ended, point); }
};

}  // namespace kittest
