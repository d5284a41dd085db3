#include "ui/SetupCell.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/kit/Image.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

namespace {

// Its layout is in the home screen's golden; here what a reused tile keeps.
TEST(SetupCell, ReuseForgetsIconAndNameAndTouchesLeaveNoHighlight) {
    testsupport::DeviceRoot root;
    auto cell = SetupCell::make();
    cell->icon->setImage(kit::Image::systemImageNamed("gear"));
    cell->nameLabel->setText("Work");
    cell->prepareForReuse();
    EXPECT_FALSE(cell->icon->image());
    EXPECT_TRUE(cell->nameLabel->text().empty());
    cell->setHighlighted(true);
    EXPECT_EQ(cell->backgroundColor(), kit::Color::clearColor());
    EXPECT_EQ(cell->contentView()->backgroundColor(), kit::Color::clearColor());
}

}  // namespace

}  // namespace kelvora
