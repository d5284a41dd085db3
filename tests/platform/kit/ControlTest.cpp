#include "platform/kit/Control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kit/Button.h"
#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::ControlEvents;
using kit::Point;
using kit::Rect;

struct Counter {
    int touchUps = 0;
    int touchDowns = 0;
};

std::shared_ptr<kit::Button> buttonIn(const kittest::KitScreen& screen, Counter& counter) {
    auto button = kit::Button::buttonWithType(kit::ButtonType::custom);
    button->setFrame(Rect(100, 100, 80, 40));
    screen.root->addSubview(button);
    button->addAction([&counter](const auto&) { ++counter.touchUps; },
                      ControlEvents::touchUpInside);
    button->addAction([&counter](const auto&) { ++counter.touchDowns; }, ControlEvents::touchDown);
    return button;
}

TEST(Control, TouchUpInsideIsSentOnlyWhenAnEnabledTouchEndsInside) {
    kittest::KitScreen screen;
    Counter counter;
    auto button = buttonIn(screen, counter);

    screen.tap({120, 110});
    EXPECT_EQ(counter.touchDowns, 1);
    EXPECT_EQ(counter.touchUps, 1);

    screen.press({120, 110});
    EXPECT_TRUE(button->isHighlighted());
    screen.move({300, 400});
    EXPECT_FALSE(button->isHighlighted()) << "dragged off, the control no longer shows pressed";
    screen.lift({300, 400});
    EXPECT_EQ(counter.touchUps, 1);

    screen.press({120, 110});
    screen.move({300, 400});
    screen.move({170, 130});
    EXPECT_TRUE(button->isHighlighted());
    screen.lift({170, 130});
    EXPECT_EQ(counter.touchUps, 2);
    EXPECT_FALSE(button->isHighlighted());

    screen.tap({20, 20});
    EXPECT_EQ(counter.touchDowns, 3) << "a touch that begins elsewhere is not the button's";

    // Cancelled or disabled, a touch sends nothing and leaves no pressed look.
    screen.press({120, 110});
    screen.window->sendTouch(kit::TouchPhase::cancelled, {120, 110});
    EXPECT_FALSE(button->isHighlighted());
    button->setEnabled(false);
    screen.tap({120, 110});
    EXPECT_EQ(counter.touchDowns, 4);
    EXPECT_EQ(counter.touchUps, 2);
    EXPECT_FALSE(button->isHighlighted());
}

class Listener {
  public:
    explicit Listener(std::vector<std::string>& calls) : calls_(calls) {}
    void pressed(const std::shared_ptr<kit::Control>&) { calls_.push_back("pressed"); }

  private:
    std::vector<std::string>& calls_;
};

TEST(Control, ReleasedTargetIsNeitherCalledNorKeptAlive) {
    kittest::KitScreen screen;
    Counter counter;
    auto button = buttonIn(screen, counter);
    std::vector<std::string> calls;
    auto listener = std::make_shared<Listener>(calls);
    std::weak_ptr<Listener> watch = listener;
    button->addTarget(listener, &Listener::pressed, ControlEvents::touchUpInside);

    screen.tap({120, 110});
    EXPECT_EQ(calls, std::vector<std::string>{"pressed"});

    listener.reset();
    EXPECT_TRUE(watch.expired()) << "the control must not own its target";
    screen.tap({120, 110});
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(counter.touchUps, 2) << "the other registrations still run";
}

// A screen's view that implements named actions, as a controller would.
class Host final : public kit::View {
  public:
    Host() {
        defineAction("saveChanges", [this](const std::shared_ptr<kit::Responder>& sender) {
            senders.push_back(sender);
        });
    }
    std::vector<std::shared_ptr<kit::Responder>> senders;
};

TEST(Control, NamedActionsTravelUpTheChainOrAreDropped) {
    kittest::KitScreen screen;
    auto host = std::make_shared<Host>();
    host->setFrame(Rect(0, 0, 390, 200));
    screen.root->addSubview(host);
    auto bar = std::make_shared<kit::View>(Rect(0, 0, 390, 100));
    host->addSubview(bar);
    auto button = kit::Button::buttonWithType(kit::ButtonType::custom);
    button->setFrame(Rect(10, 50, 60, 25));
    bar->addSubview(button);
    button->addTarget(nullptr, "saveChanges", ControlEvents::touchUpInside);
    button->addTarget(nullptr, "nobodyHasThis", ControlEvents::touchUpInside);

    screen.tap({20, 60});
    ASSERT_EQ(host->senders.size(), 1u);
    EXPECT_EQ(host->senders.front(), button);

    auto other = std::make_shared<Host>();
    button->addTarget(std::weak_ptr<kit::Responder>(bar), "saveChanges",
                      ControlEvents::touchUpInside);
    button->addTarget(std::weak_ptr<kit::Responder>(other), "saveChanges",
                      ControlEvents::touchUpInside);
    std::weak_ptr<kit::Responder> neverAlive = std::make_shared<Host>();
    button->addTarget(neverAlive, "saveChanges", ControlEvents::touchUpInside);
    screen.tap({20, 60});
    EXPECT_EQ(host->senders.size(), 2u)
        << "a target that lacks the action, or is gone, is not a relay";
    EXPECT_EQ(other->senders.size(), 1u);
}

TEST(Control, AnActionMayRemoveTheControlWhileEventsAreSent) {
    kittest::KitScreen screen;
    auto button = kit::Button::buttonWithType(kit::ButtonType::custom);
    button->setFrame(Rect(100, 100, 80, 40));
    screen.root->addSubview(button);
    int later = 0;
    button->addAction(
        [](const std::shared_ptr<kit::Control>& sender) { sender->removeFromSuperview(); },
        ControlEvents::touchUpInside);
    button->addAction(
        [&later](const std::shared_ptr<kit::Control>& sender) {
            later += sender->superview() ? 100 : 1;
        },
        ControlEvents::touchUpInside);
    std::weak_ptr<kit::Button> watch = button;
    button.reset();

    screen.tap({120, 110});
    EXPECT_EQ(later, 1);
    EXPECT_TRUE(watch.expired());
}

}  // namespace
