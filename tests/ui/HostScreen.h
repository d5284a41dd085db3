#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/Responder.h"
#include "platform/kit/View.h"
#include "platform/kit/Window.h"

namespace kelvora {

namespace uitest {

// Stands in for a screen's view controller or the application: records the actions it is
// told to define when they reach it.
class Performer final : public kit::Responder {
  public:
    explicit Performer(std::weak_ptr<kit::Responder> next = {}) : next_(std::move(next)) {}
    std::shared_ptr<kit::Responder> nextResponder() const override { return next_.lock(); }

    void define(const std::string& name) {
        defineAction(name, [this, name](const std::shared_ptr<kit::Responder>& sender) {
            performed.push_back(name);
            senders.push_back(sender);
        });
    }

    std::vector<std::string> performed;
    std::vector<std::shared_ptr<kit::Responder>> senders;

  private:
    std::weak_ptr<kit::Responder> next_;
};

// A key window on the notched 390 x 844 screen whose root view belongs to a controller, as
// the app sets up a screen, and a finger to touch it.
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

    void touch(kit::TouchPhase phase, kit::Point point) const { window->sendTouch(phase, point); }
    void tap(kit::Point point) const {
        touch(kit::TouchPhase::began, point);
        touch(kit::TouchPhase::ended, point);
    }
};

}  // namespace uitest

}  // namespace kelvora
