#include "platform/kit/Button.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::Button;
using kit::ButtonType;
using kit::Color;
using kit::ControlState;

TEST(Button, StatesWithoutTheirOwnValuesShowTheNormalOnes) {
    auto button = Button::buttonWithType(ButtonType::custom);
    button->setTitle("Cancel", ControlState::normal);
    Color accent = Color::systemTealColor();
    button->setTitleColor(accent, ControlState::normal);
    button->setTitleColor(accent.withAlpha(0.5), ControlState::highlighted);

    EXPECT_EQ(button->titleForState(ControlState::highlighted), "Cancel");
    EXPECT_EQ(button->titleColorForState(ControlState::disabled), accent);
    EXPECT_FALSE(button->imageForState(ControlState::normal));

    button->setTitle("Abort", ControlState::disabled);
    button->setEnabled(false);
    EXPECT_EQ(button->currentTitle(), "Abort");
    button->setEnabled(true);
    button->setTitle(std::nullopt, ControlState::normal);
    EXPECT_FALSE(button->currentTitle());
}

TEST(Button, TitleColourFollowsThePressAndReturnsAfterIt) {
    kittest::KitScreen screen;
    auto button = Button::buttonWithType(ButtonType::custom);
    button->setFrame(kit::Rect(10, 100, 65, 25));
    screen.root->addSubview(button);
    Color accent = Color::systemOrangeColor();
    button->setTitle("Done", ControlState::normal);
    button->setTitleColor(accent, ControlState::normal);
    button->setTitleColor(accent.withAlpha(0.5), ControlState::highlighted);

    EXPECT_EQ(button->currentTitleColor(), accent);
    screen.press({20, 110});
    EXPECT_EQ(button->currentTitleColor(), accent.withAlpha(0.5));
    screen.move({300, 600});
    EXPECT_EQ(button->currentTitleColor(), accent);
    screen.lift({300, 600});
    EXPECT_EQ(button->currentTitleColor(), accent);
}

TEST(Button, IntrinsicSizeIsTheMeasuredContentPlusInsets) {
    auto button = Button::buttonWithType(ButtonType::custom);
    EXPECT_EQ(button->intrinsicContentSize(), (kit::Size{0, 0}));

    button->setTitleFont(kit::Font::systemFontOfSize(17));
    button->setTitle("Cancel", ControlState::normal);
    kit::Size plain = button->intrinsicContentSize();
    EXPECT_NEAR(plain.width, 55, 1.5) << "the title measured in Inter 17, rounded up";
    EXPECT_EQ(plain.width, std::ceil(plain.width));

    button->setContentEdgeInsets({4, 5, 6, 7});
    EXPECT_EQ(button->intrinsicContentSize(), (kit::Size{plain.width + 12, plain.height + 10}));

    button->setImage(kit::Image::systemImageNamed("xmark"), ControlState::normal);
    EXPECT_EQ(button->intrinsicContentSize().width, plain.width + 12 + 17)
        << "the image sits beside the title";
}

}  // namespace
