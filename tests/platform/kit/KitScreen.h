#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/Driver.h"
#include "platform/kit/ViewController.h"
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

// A key window on the notched screen showing a controller, a driver that touches it as a
// person does, and the main queue's clock back at zero before and after.
class DrivenTest : public testing::Test {
  protected:
    DrivenTest() { foundation::MainQueue::main().reset(); }
    void TearDown() override { foundation::MainQueue::main().reset(); }

    void show(std::shared_ptr<kit::ViewController> root) {
        window->setRootViewController(std::move(root));
        window->makeKeyAndVisible();
        driver->settle();
    }

    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::unique_ptr<kit::Driver> driver = std::make_unique<kit::Driver>(window);
};

}  // namespace kittest
