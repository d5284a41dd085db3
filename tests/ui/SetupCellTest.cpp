#include "ui/SetupCell.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/kit/Image.h"
#include "platform/kit/TextLayout.h"
#include "tests/support/DeviceRoot.h"
#include "tests/ui/GeometryPrinting.h"

namespace kelvora {

using kit::Rect;

namespace {

// A tile at the size the home grid gives it on a 390-point screen.
std::shared_ptr<SetupCell> tile() {
    auto cell = SetupCell::make();
    cell->setFrame({0, 0, 180, 105});
    cell->layoutIfNeeded();
    return cell;
}

TEST(SetupCell, IconSitsTopLeftAndNameStandsOnTheCountAtTheBottomLeft) {
    testsupport::DeviceRoot root;
    auto cell = tile();
    cell->nameLabel->setText("Work");
    cell->countLabel->setText("3 Files");
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->baseView->frame(), Rect(0, 0, 180, 105));
    EXPECT_EQ(cell->icon->frame(), Rect(7, 7, 36, 36));
    Rect count = cell->countLabel->frame();
    Rect name = cell->nameLabel->frame();
    EXPECT_EQ(count.minX(), 10);
    EXPECT_EQ(count.maxY(), 98);
    EXPECT_EQ(name.minX(), 10);
    EXPECT_EQ(name.maxY(), count.minY() - 2);
    EXPECT_EQ(cell->nameLabel->font(), kit::Font::boldSystemFontOfSize(18));
    EXPECT_EQ(cell->countLabel->font(), kit::Font::systemFontOfSize(14));
    EXPECT_EQ(cell->baseView->cornerRadius(), 14);
    EXPECT_TRUE(cell->baseView->continuousCorners());
}

TEST(SetupCell, LongNameKeepsItsWidthAndIsClippedByTheCard) {
    testsupport::DeviceRoot root;
    auto cell = tile();
    cell->nameLabel->setText("A Setup name much wider than any tile could ever be");
    cell->layoutIfNeeded();
    EXPECT_GT(cell->nameLabel->frame().maxX(), 180);
    EXPECT_EQ(cell->nameLabel->lineBreakMode(), kit::LineBreakMode::byClipping);
    EXPECT_TRUE(cell->baseView->clipsToBounds());
}

TEST(SetupCell, ReuseForgetsIconAndNameAndTouchesLeaveNoHighlight) {
    testsupport::DeviceRoot root;
    auto cell = tile();
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
