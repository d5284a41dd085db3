#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "appearance/SetupAppearance.h"
#include "platform/foundation/MainQueue.h"
#include "platform/kit/Driver.h"
#include "platform/kit/ScrollView.h"
#include "tests/support/DeviceRoot.h"
#include "tests/ui/GeometryPrinting.h"
#include "tests/ui/HostScreen.h"
#include "ui/ColourCell.h"
#include "ui/ColourCollectionView.h"
#include "ui/IconCell.h"
#include "ui/IconCollectionView.h"
#include "ui/extension.h"

namespace kelvora {

using kit::Color;
using kit::IndexPath;

namespace {

struct Choices final : ColourCollectionViewProtocol, IconCollectionViewProtocol {
    void didSelectedColourWithHex(const std::string& hex) override { received.push_back(hex); }
    void didSelectedIconWithImageName(const std::string& name) override {
        received.push_back(name);
    }
    std::vector<std::string> received;
};

// The pickers sit in a form that scrolls, full width, at the heights the new-Setup form
// gives them.
class PickersTest : public testing::Test {
  protected:
    void SetUp() override {
        form->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
        form->setContentSize({390, 1500});
        screen.root->addSubview(form);
    }

    template <typename Picker>
    void place(const std::shared_ptr<Picker>& picker, double height) {
        form->addSubview(picker);
        picker->setFrame({0, 100, 390, height});
        screen.window->layoutIfNeeded();
    }

    template <typename Cell>
    Cell& cell(kit::CollectionView& grid, std::int64_t item) {
        auto found = std::static_pointer_cast<Cell>(grid.cellForItem(IndexPath::forItem(item, 0)));
        if (!found) {
            ADD_FAILURE() << "no cell for item " << item;
            if constexpr (std::is_same_v<Cell, ColourCell>) {
                return *missingColour;
            } else {
                return *missingIcon;
            }
        }
        return *found;
    }

    std::vector<std::int64_t> ringed(ColourCollectionView& picker) {
        std::vector<std::int64_t> items;
        for (std::int64_t item = 0; item < 18; ++item) {
            if (cell<ColourCell>(*picker.collectionView, item).selectedView->borderWidth() > 0) {
                items.push_back(item);
            }
        }
        return items;
    }

    testsupport::DeviceRoot deviceRoot;
    uitest::HostScreen screen;
    std::shared_ptr<kit::ScrollView> form =
        std::make_shared<kit::ScrollView>(kit::Rect{0, 0, 390, 844});
    kit::Driver driver{screen.window};
    std::shared_ptr<Choices> choices = std::make_shared<Choices>();
    std::shared_ptr<ColourCell> missingColour = ColourCell::make();
    std::shared_ptr<IconCell> missingIcon = IconCell::make();
};

TEST_F(PickersTest, ColourRingFollowsTheLastTapAndEveryTapIsReported) {
    auto picker = ColourCollectionView::init();
    picker->delegate = choices;
    place(picker, 165);
    EXPECT_TRUE(ringed(*picker).empty());

    ASSERT_TRUE(driver.tap("0A84FE").ok());
    EXPECT_EQ(ringed(*picker), (std::vector<std::int64_t>{3}));
    kit::Rgba ring =
        cell<ColourCell>(*picker->collectionView, 3).selectedView->borderColor().components();
    EXPECT_NEAR(ring.red, 0x0A / 255.0, 1e-6);
    EXPECT_NEAR(ring.green, 0x84 / 255.0, 1e-6);
    EXPECT_NEAR(ring.blue, 0xFE / 255.0, 1e-6);
    EXPECT_EQ(ring.alpha, 1) << "the ring is drawn at full opacity";

    ASSERT_TRUE(driver.tap("BF5AF2").ok());
    ASSERT_TRUE(driver.tap("BF5AF2").ok());
    EXPECT_EQ(ringed(*picker), (std::vector<std::int64_t>{10}));
    EXPECT_EQ(choices->received, (std::vector<std::string>{"0A84FE", "BF5AF2", "BF5AF2"}));
}

TEST_F(PickersTest, ColourSwatchesAreSixToARowAtFourFifthsOpacityAndFillThreeRows) {
    auto picker = ColourCollectionView::init();
    place(picker, 165);
    auto& grid = *picker->collectionView;
    ASSERT_EQ(grid.numberOfItems(0), 18);
    EXPECT_EQ(grid.frameForItem(IndexPath::forItem(0, 0)), kit::Rect(0, 0, 65, 50));
    EXPECT_EQ(grid.frameForItem(IndexPath::forItem(5, 0)), kit::Rect(325, 0, 65, 50));
    EXPECT_EQ(grid.frameForItem(IndexPath::forItem(17, 0)), kit::Rect(325, 110, 65, 50));
    auto& first = cell<ColourCell>(grid, 0);
    EXPECT_EQ(first.colourView->backgroundColor().components().alpha, 0.8);
    EXPECT_EQ(first.colourView->frame(), kit::Rect(12.5, 5, 40, 40));
    EXPECT_EQ(first.selectedView->frame(), kit::Rect(7.5, 0, 50, 50));
    EXPECT_EQ(first.accessibilityLabel(), "A2845E");
}

TEST_F(PickersTest, ColourTapWithoutADelegateStillMovesTheRing) {
    auto picker = ColourCollectionView::init();
    place(picker, 165);
    ASSERT_TRUE(driver.tap("FEE9CD").ok());
    EXPECT_EQ(ringed(*picker), (std::vector<std::int64_t>{17}));
}

TEST_F(PickersTest, IconSquareTakesTheAccentWithAWhiteSymbolAndGivesItBackOnTheNextTap) {
    auto picker = IconCollectionView::init();
    picker->delegate = choices;
    place(picker, 1205);
    auto& grid = *picker->collectionView;
    ASSERT_EQ(grid.numberOfItems(0), 132);
    // Twenty-two rows of 50 with 5 between them fill the 1205 points exactly.
    EXPECT_EQ(grid.frameForItem(IndexPath::forItem(126, 0)), kit::Rect(0, 1155, 65, 50));
    EXPECT_EQ(grid.frameForItem(IndexPath::forItem(131, 0)).maxY(), 1205);
    for (std::int64_t item : {0, 115, 131}) {
        auto& square = cell<IconCell>(grid, item);
        EXPECT_EQ(square.iconView->backgroundColor(), SetupAppearance::secondaryColour());
        ASSERT_TRUE(square.iconLabel->attachmentImage());
        EXPECT_EQ(square.iconLabel->attachmentImage()->tintColor(), Color::labelColor());
        EXPECT_TRUE(square.iconLabel->text().empty()) << "the symbol is an image, not text";
    }

    // The grid does not scroll itself, so the form is scrolled to bring the gear row in.
    form->setContentOffset({0, 600});
    ASSERT_TRUE(driver.tap("gear").ok());
    auto& gear = cell<IconCell>(grid, 115);
    EXPECT_EQ(gear.iconView->backgroundColor(), SetupAppearance::setupAccentColour());
    EXPECT_EQ(gear.iconLabel->attachmentImage()->name(), "gear");
    EXPECT_EQ(gear.iconLabel->attachmentImage()->tintColor(), Color::whiteColor());

    form->setContentOffset({0, 0});
    ASSERT_TRUE(driver.tap("sparkles").ok());
    EXPECT_EQ(cell<IconCell>(grid, 0).iconView->backgroundColor(),
              SetupAppearance::setupAccentColour());
    EXPECT_EQ(cell<IconCell>(grid, 115).iconView->backgroundColor(),
              SetupAppearance::secondaryColour());
    EXPECT_EQ(cell<IconCell>(grid, 115).iconLabel->attachmentImage()->tintColor(),
              Color::labelColor());
    EXPECT_EQ(choices->received, (std::vector<std::string>{"gear", "sparkles"}));
}

TEST_F(PickersTest, UnknownSymbolShowsAnEmptySquareThatCanStillBeChosen) {
    auto picker = IconCollectionView::init();
    picker->delegate = choices;
    picker->iconArray[1] = "No Such Symbol";
    place(picker, 1205);
    EXPECT_FALSE(cell<IconCell>(*picker->collectionView, 1).iconLabel->attachmentImage());
    ASSERT_TRUE(driver.tap("No Such Symbol").ok());
    EXPECT_EQ(choices->received, (std::vector<std::string>{"No Such Symbol"}));
    EXPECT_EQ(cell<IconCell>(*picker->collectionView, 1).iconView->backgroundColor(),
              SetupAppearance::setupAccentColour());
}

TEST(IconCell, ReuseClearsTheSymbol) {
    auto square = IconCell::make();
    square->iconLabel->setAttachmentImage(kit::Image::systemImageNamed("gear"));
    square->prepareForReuse();
    EXPECT_FALSE(square->iconLabel->attachmentImage());
}

}  // namespace

}  // namespace kelvora
