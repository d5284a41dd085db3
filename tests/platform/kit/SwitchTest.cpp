#include "platform/kit/Switch.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::ControlEvents;

TEST(Switch, OnlyATapFlipsItAndReportsTheNewValue) {
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
    screen.tap({200, 300});
    EXPECT_EQ(reported, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(toggle->isOn());

    screen.press({200, 300});
    screen.move({10, 10});
    screen.lift({10, 10});
    EXPECT_TRUE(toggle->isOn()) << "a touch lifted elsewhere leaves it as it was";
    EXPECT_EQ(reported.size(), 3u);

    // Values set from code, or taps while disabled, send nothing.
    toggle->setOn(false, false);
    toggle->setOn(true, true);
    toggle->setOn(false, true);
    toggle->setEnabled(false);
    screen.tap({200, 300});
    EXPECT_FALSE(toggle->isOn());
    EXPECT_EQ(reported.size(), 3u);
}

}  // namespace
