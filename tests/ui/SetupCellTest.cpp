#include "ui/SetupCell.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/DeviceRoot.h"

namespace kelvora {

namespace {

// Its layout is in the home screen's golden; a pressed tile shows no grey behind its card.
TEST(SetupCell, TouchesLeaveNoHighlight) {
    testsupport::DeviceRoot root;
    auto cell = SetupCell::make();
    cell->setHighlighted(true);
    EXPECT_EQ(cell->backgroundColor(), kit::Color::clearColor());
    EXPECT_EQ(cell->contentView()->backgroundColor(), kit::Color::clearColor());
}

}  // namespace

}  // namespace kelvora
