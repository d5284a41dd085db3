#include "platform/kit/Button.h"

#include <gtest/gtest.h>

#include <cmath>

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
    button->setHighlighted(true);
    EXPECT_EQ(button->currentTitleColor(), accent.withAlpha(0.5));
    button->setHighlighted(false);
    EXPECT_EQ(button->currentTitleColor(), accent);

    button->setTitle("Abort", ControlState::disabled);
    button->setEnabled(false);
    EXPECT_EQ(button->currentTitle(), "Abort");
    button->setEnabled(true);
    button->setTitle(std::nullopt, ControlState::normal);
    EXPECT_FALSE(button->currentTitle());
}

// The measured title itself is fixed by the navigation bar goldens.
TEST(Button, IntrinsicSizeAddsTheInsetsAndTheImageBesideTheTitle) {
    auto button = Button::buttonWithType(ButtonType::custom);
    button->setTitle("Cancel", ControlState::normal);
    kit::Size plain = button->intrinsicContentSize();
    EXPECT_EQ(plain.width, std::ceil(plain.width)) << "rounded up to whole points";
    button->setContentEdgeInsets({4, 5, 6, 7});
    EXPECT_EQ(button->intrinsicContentSize(), (kit::Size{plain.width + 12, plain.height + 10}));
    button->setImage(kit::Image::systemImageNamed("xmark"), ControlState::normal);
    EXPECT_EQ(button->intrinsicContentSize().width, plain.width + 12 + 17);
}

}  // namespace
