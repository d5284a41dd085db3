#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "appearance/SetupAppearance.h"
#include "platform/kit/ScrollView.h"
#include "store/SetupManager.h"
#include "tests/support/Golden.h"
#include "tests/support/ScreenHarness.h"
#include "ui/ColourCell.h"
#include "ui/ColourCollectionView.h"
#include "ui/IconCell.h"
#include "ui/IconCollectionView.h"

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
    void place(const std::shared_ptr<kit::View>& picker, double height) {
        form->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
        form->setContentSize({390, 1500});
        form->addSubview(picker);
        picker->setFrame({0, 100, 390, height});
        ui.showView(form);
    }
    template <typename Picker>
    static auto cell(Picker& picker, std::int64_t item) {
        using Cell =
            std::conditional_t<std::is_same_v<Picker, IconCollectionView>, IconCell, ColourCell>;
        return std::static_pointer_cast<Cell>(
            picker.collectionView->cellForItem(IndexPath::forItem(item, 0)));
    }
    static std::vector<std::int64_t> ringed(ColourCollectionView& picker) {
        std::vector<std::int64_t> items;
        for (std::int64_t item = 0; item < picker.collectionView->numberOfItems(0); ++item) {
            if (cell(picker, item)->selectedView->borderWidth() > 0) {
                items.push_back(item);
            }
        }
        return items;
    }

    testsupport::ScreenHarness ui;
    std::shared_ptr<kit::ScrollView> form =
        std::make_shared<kit::ScrollView>(kit::Rect{0, 0, 390, 844});
    std::shared_ptr<Choices> choices = std::make_shared<Choices>();
};

TEST_F(PickersTest, ColourRingFollowsTheLastTapInItsColourAndEveryTapIsReported) {
    auto picker = ColourCollectionView::init();
    place(picker, 165);
    testsupport::expectScreenMatchesGolden(ui.window, "ui-colours-notched-light");
    EXPECT_TRUE(ringed(*picker).empty());
    ui.tap("FEE9CD");
    EXPECT_EQ(ringed(*picker), (std::vector<std::int64_t>{17})) << "no delegate is needed";

    picker->delegate = choices;
    ui.tap("0A84FE");
    EXPECT_EQ(ringed(*picker), (std::vector<std::int64_t>{3}));
    auto ring = cell(*picker, 3)->selectedView->borderColor();
    EXPECT_EQ(SetupManager::sharedInstance().hexStringFromColor(ring), "0A84FE");
    EXPECT_EQ(ring.components().alpha, 1) << "the ring is drawn at full opacity";
    ui.tap("BF5AF2");
    ui.tap("BF5AF2");
    EXPECT_EQ(ringed(*picker), (std::vector<std::int64_t>{10}));
    EXPECT_EQ(choices->received, (std::vector<std::string>{"0A84FE", "BF5AF2", "BF5AF2"}));
}

TEST_F(PickersTest, IconSquareTakesTheAccentWithAWhiteSymbolAndGivesItBackOnTheNextTap) {
    auto picker = IconCollectionView::init();
    picker->delegate = choices;
    picker->iconArray[1] = "No Such Symbol";
    place(picker, 1205);
    testsupport::expectScreenMatchesGolden(ui.window, "ui-icons-notched-light");
    auto& grid = *picker->collectionView;
    // Twenty-two rows of 50 with 5 between them fill the 1205 points exactly.
    EXPECT_EQ(grid.frameForItem(IndexPath::forItem(131, 0)).maxY(), 1205);
    EXPECT_FALSE(cell(*picker, 1)->iconLabel->attachmentImage()) << "an empty square";

    // The grid does not scroll itself, so the form is scrolled to bring the gear row in.
    form->setContentOffset({0, 600});
    ui.tap("gear");
    EXPECT_EQ(cell(*picker, 115)->iconView->backgroundColor(),
              SetupAppearance::setupAccentColour());
    EXPECT_EQ(cell(*picker, 115)->iconLabel->attachmentImage()->tintColor(), Color::whiteColor());
    form->setContentOffset({0, 0});
    ui.tap("No Such Symbol");
    EXPECT_EQ(cell(*picker, 1)->iconView->backgroundColor(), SetupAppearance::setupAccentColour());
    EXPECT_EQ(cell(*picker, 115)->iconView->backgroundColor(), SetupAppearance::secondaryColour());
    EXPECT_EQ(cell(*picker, 115)->iconLabel->attachmentImage()->tintColor(), Color::labelColor());
    EXPECT_EQ(choices->received, (std::vector<std::string>{"gear", "No Such Symbol"}));
}

}  // namespace

}  // namespace kelvora
