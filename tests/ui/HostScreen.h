#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/kit/Responder.h"
#include "platform/kit/View.h"
#include "platform/kit/Window.h"

namespace uitest {

// Stands in for a screen's view controller or the application: a responder that performs
// the actions it is told to define and records them.
class Performer final : public kit::Responder {
  public:
    explicit Performer(std::weak_ptr<kit::Responder> next = {}) : next_(std::move(next)) {}
    std::shared_ptr<kit::Responder> nextResponder() const override { return next_.lock(); }

    void define(const std::string& name, std::function<void()> work = {}) {
        defineAction(name, [this, name, work](const std::shared_ptr<kit::Responder>& sender) {
            performed.push_back(name);
            senders.push_back(sender);
            if (work) {
                work();
            }
        });
    }

    std::vector<std::string> performed;
    std::vector<std::shared_ptr<kit::Responder>> senders;

  private:
    std::weak_ptr<kit::Responder> next_;
};

// A key window on the notched 390 x 844 screen whose root view belongs to a controller, as
// a screen of the app is set up, and a finger to touch it.
struct HostScreen {
    std::shared_ptr<Performer> application = std::make_shared<Performer>();
    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<Performer> controller = std::make_shared<Performer>(window);
    std::shared_ptr<kit::View> root = std::make_shared<kit::View>();

    HostScreen() {
        window->setApplication(application);
        window->setRootView(root);
        root->setOwningController(controller);
        window->makeKeyAndVisible();
    }

    void press(kit::Point point) const { window->sendTouch(kit::TouchPhase::began, point); }
    void move(kit::Point point) const { window->sendTouch(kit::TouchPhase::moved, point); }
    void lift(kit::Point point) const { window->sendTouch(kit::TouchPhase::ended, point); }
    void cancel(kit::Point point) const { window->sendTouch(kit::TouchPhase::cancelled, point); }
    void tap(kit::Point point) const {
        press(point);
        lift(point);
    }
};

}  // namespace uitest
