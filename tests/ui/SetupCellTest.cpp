#include "ui/SetupCell.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/kit/Image.h"
#include "tests/support/Golden.h"
#include "tests/support/ScreenHarness.h"

namespace kelvora {

namespace {

// Tiles at the size the home grid gives them on a 390-point screen: one with a short name,
// one whose name is wider than the card and is clipped by it.
TEST(SetupCell, IconSitsTopLeftAndNameStandsOnTheCountAtTheBottomLeft) {
    testsupport::ScreenHarness ui;
    auto host = std::make_shared<kit::View>();
    const char* names[] = {"Work", "A Setup name much wider than any tile could ever be"};
    for (int row = 0; row < 2; ++row) {
        auto cell = SetupCell::make();
        cell->setFrame({0, 100.0 + 120 * row, 180, 105});
        cell->icon->setImage(kit::Image::systemImageNamed("gear"));
        cell->nameLabel->setText(names[row]);
        cell->countLabel->setText("3 Files");
        host->addSubview(cell);
    }
    ui.showView(host);
    testsupport::expectScreenMatchesGolden(ui.window, "ui-setupcell-notched-light");
    auto wide = std::static_pointer_cast<SetupCell>(host->subviews()[1]);
    EXPECT_GT(wide->nameLabel->frame().maxX(), 180) << "it keeps its width";
    EXPECT_TRUE(wide->baseView->clipsToBounds());
}

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
