#include "platform/kit/Control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kit/Button.h"
#include "platform/kit/Switch.h"
#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::ControlEvents;
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

    screen.press({120, 110});
    EXPECT_TRUE(button->isHighlighted());
    screen.move({300, 400});
    EXPECT_FALSE(button->isHighlighted()) << "dragged off, the control no longer shows pressed";
    screen.move({170, 130});
    EXPECT_TRUE(button->isHighlighted());
    screen.lift({170, 130});
    EXPECT_EQ(counter.touchUps, 1);
    EXPECT_FALSE(button->isHighlighted());
    screen.press({120, 110});
    screen.lift({300, 400});
    EXPECT_EQ(counter.touchUps, 1) << "lifted outside";

    screen.tap({20, 20});
    EXPECT_EQ(counter.touchDowns, 2) << "a touch that begins elsewhere is not the button's";

    // Cancelled or disabled, a touch sends nothing and leaves no pressed look.
    screen.press({120, 110});
    screen.window->sendTouch(kit::TouchPhase::cancelled, {120, 110});
    EXPECT_FALSE(button->isHighlighted());
    button->setEnabled(false);
    screen.tap({120, 110});
    EXPECT_EQ(counter.touchDowns, 3);
    EXPECT_EQ(counter.touchUps, 1);
    EXPECT_FALSE(button->isHighlighted());
}

TEST(Control, ASwitchFlipsOnlyOnATapAndReportsTheNewValue) {
    kittest::KitScreen screen;
    auto toggle = std::make_shared<kit::Switch>();
    toggle->setCenter({200, 300});
    screen.root->addSubview(toggle);
    std::vector<bool> reported;
    toggle->addAction(
        [&reported](const std::shared_ptr<kit::Control>& sender) {
            reported.push_back(std::static_pointer_cast<kit::Switch>(sender)->isOn());
        },
        ControlEvents::valueChanged);

    screen.tap({200, 300});
    screen.tap({200, 300});
    EXPECT_EQ(reported, (std::vector<bool>{true, false}));
    screen.press({200, 300});
    screen.lift({10, 10});
    EXPECT_FALSE(toggle->isOn()) << "a touch lifted elsewhere leaves it as it was";
    // Values set from code, or taps while disabled, send nothing.
    toggle->setOn(true, true);
    toggle->setEnabled(false);
    screen.tap({200, 300});
    EXPECT_TRUE(toggle->isOn());
    EXPECT_EQ(reported.size(), 2u);
}

TEST(Button, StatesWithoutTheirOwnValuesShowTheNormalOnes) {
    auto button = kit::Button::buttonWithType(kit::ButtonType::custom);
    button->setTitle("Cancel", kit::ControlState::normal);
    kit::Color accent = kit::Color::systemTealColor();
    button->setTitleColor(accent, kit::ControlState::normal);
    button->setTitleColor(accent.withAlpha(0.5), kit::ControlState::highlighted);

    EXPECT_EQ(button->titleForState(kit::ControlState::highlighted), "Cancel");
    EXPECT_EQ(button->titleColorForState(kit::ControlState::disabled), accent);
    button->setHighlighted(true);
    EXPECT_EQ(button->currentTitleColor(), accent.withAlpha(0.5));
    button->setHighlighted(false);
    EXPECT_EQ(button->currentTitleColor(), accent);

    button->setTitle("Abort", kit::ControlState::disabled);
    button->setEnabled(false);
    EXPECT_EQ(button->currentTitle(), "Abort");
    button->setEnabled(true);
    button->setTitle(std::nullopt, kit::ControlState::normal);
    EXPECT_FALSE(button->currentTitle());
}

// A screen's view that implements a named action, as a controller would.
class Host final : public kit::View {
  public:
    Host() {
        defineAction("saveChanges", [this](const std::shared_ptr<kit::Responder>& sender) {
            senders.push_back(sender);
        });
    }
    void pressed(const std::shared_ptr<kit::Control>& sender) { senders.push_back(sender); }
    std::vector<std::shared_ptr<kit::Responder>> senders;
};

// How the chain is walked is the responder chain's own test; this is what a control hands
// it, and that it never keeps a target alive nor relays through one that is gone.
TEST(Control, TargetsAreHeldWeaklyAndNamedActionsGoUpTheChainOrToALiveTarget) {
    kittest::KitScreen screen;
    Counter counter;
    auto host = std::make_shared<Host>();
    host->setFrame(Rect(0, 0, 390, 200));
    screen.root->addSubview(host);
    auto button = buttonIn(screen, counter);
    host->addSubview(button);
    button->addTarget(nullptr, "saveChanges", ControlEvents::touchUpInside);
    button->addTarget(std::weak_ptr<kit::Responder>(screen.root), "saveChanges",
                      ControlEvents::touchUpInside);
    auto other = std::make_shared<Host>();
    std::weak_ptr<Host> watch = other;
    button->addTarget(std::weak_ptr<kit::Responder>(other), "saveChanges",
                      ControlEvents::touchUpInside);
    button->addTarget(other, &Host::pressed, ControlEvents::touchUpInside);

    screen.tap({120, 110});
    EXPECT_EQ(host->senders, std::vector<std::shared_ptr<kit::Responder>>{button})
        << "a target that lacks the action is not a relay";
    EXPECT_EQ(other->senders.size(), 2u);
    other.reset();
    EXPECT_TRUE(watch.expired()) << "the control must not own its target";
    screen.tap({120, 110});
    EXPECT_EQ(host->senders.size(), 2u) << "a target that is gone is not a relay either";
    EXPECT_EQ(counter.touchUps, 2) << "the other registrations still run";
}

TEST(Control, AnActionMayRemoveTheControlWhileEventsAreSent) {
    kittest::KitScreen screen;
    Counter counter;
    auto button = buttonIn(screen, counter);
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
