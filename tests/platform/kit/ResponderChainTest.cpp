#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/View.h"
#include "platform/kit/Window.h"

using kit::Responder;
using kit::View;

namespace {

// Stands in for a view controller or the application: a responder with named actions.
class Performer final : public Responder {
  public:
    explicit Performer(std::weak_ptr<Responder> next = {}) : next_(std::move(next)) {}
    std::shared_ptr<Responder> nextResponder() const override { return next_.lock(); }
    void define(const std::string& name, std::function<void()> work = {}) {
        defineAction(name, [this, name, work](const std::shared_ptr<Responder>& sender) {
            performed.push_back(name);
            senders.push_back(sender);
            if (work) {
                work();
            }
        });
    }
    std::vector<std::string> performed;
    std::vector<std::shared_ptr<Responder>> senders;

  private:
    std::weak_ptr<Responder> next_;
};

TEST(ResponderChainTest, ActionReachesTheFirstThatDefinesItAndMayTearDownItsSender) {
    auto application = std::make_shared<Performer>();
    auto window = std::make_shared<kit::Window>();
    // The controller's next responder is the window, as for a window's root controller.
    auto controller = std::make_shared<Performer>(window);
    auto screenView = std::make_shared<View>();
    auto bar = std::make_shared<View>();
    auto button = std::make_shared<View>();
    window->setApplication(application);
    window->setRootView(screenView);
    screenView->setOwningController(controller);
    screenView->addSubview(bar);
    bar->addSubview(button);
    application->define("openSettings");
    controller->define("saveChanges");
    application->define("saveChanges");

    EXPECT_TRUE(button->tryToPerform("saveChanges", button));
    EXPECT_TRUE(button->tryToPerform("openSettings", button));
    EXPECT_EQ(controller->performed, std::vector<std::string>{"saveChanges"});
    EXPECT_EQ(controller->senders, std::vector<std::shared_ptr<Responder>>{button});
    EXPECT_EQ(application->performed, std::vector<std::string>{"openSettings"});
    // An action nobody defines is dropped without effect, inside a window or not.
    EXPECT_FALSE(button->tryToPerform("saveChange", button));
    auto loose = std::make_shared<View>();
    EXPECT_FALSE(loose->tryToPerform("saveChanges", loose));

    // Closing a screen releases its views while the action that closes it is still running.
    std::weak_ptr<View> weakButton = button;
    controller->define("dismissVC", [&] {
        window->setRootView(nullptr);
        screenView.reset();
        bar.reset();
    });
    auto sender = std::move(button);
    EXPECT_TRUE(sender->tryToPerform("dismissVC", sender));
    controller->senders.clear();
    application->senders.clear();
    sender.reset();
    EXPECT_TRUE(weakButton.expired());
}

}  // namespace
