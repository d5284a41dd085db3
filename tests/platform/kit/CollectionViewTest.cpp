#include "platform/kit/CollectionView.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::CollectionView;
using kit::IndexPath;
using kit::Point;
using kit::Size;

// Five tiles two to a row, spaced and inset by the delegate, all but the first with a menu.
class Tiles final : public kit::CollectionViewDataSource, public kit::CollectionViewDelegate {
  public:
    std::int64_t numberOfItems(CollectionView&, std::int64_t) override { return 5; }
    std::shared_ptr<kit::CollectionViewCell> cellForItem(CollectionView& grid,
                                                         IndexPath indexPath) override {
        return grid.dequeueReusableCell("Cell", indexPath);
    }
    std::optional<Size> sizeForItem(CollectionView&, IndexPath) override { return Size{180, 105}; }
    std::optional<kit::EdgeInsets> insetForSection(CollectionView&, std::int64_t) override {
        return kit::EdgeInsets{20, 10, 20, 10};
    }
    std::optional<double> minimumInteritemSpacing(CollectionView&, std::int64_t) override {
        return 10;
    }
    std::optional<double> minimumLineSpacing(CollectionView&, std::int64_t) override { return 10; }
    std::optional<kit::ContextMenuConfiguration> contextMenuConfigurationForItem(
        CollectionView&, IndexPath indexPath, Point point) override {
        pressedAt = point;
        if (indexPath.item() == 0) {
            return std::nullopt;
        }
        std::string title = "Tile " + std::to_string(indexPath.item());
        return kit::ContextMenuConfiguration{[title] { return kit::Menu{title, {}}; }, {}};
    }

    Point pressedAt;
};

// Where the delegate's sizes, insets and spacings put the tiles decides which one a press
// opens a menu for; the gaps and a tile without a menu open none.
TEST(CollectionView, ContextMenuComesFromTheItemUnderThePointAndNotFromBetweenItems) {
    kittest::KitScreen screen;
    auto tiles = std::make_shared<Tiles>();
    auto grid = std::make_shared<CollectionView>(kit::Rect{0, 0, 390, 844}, nullptr);
    grid->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
    grid->registerCell("Cell", [] { return kit::CollectionViewCell::make("Cell"); });
    grid->setDataSource(tiles);
    grid->setDelegate(tiles);
    screen.root->addSubview(grid);
    screen.window->layoutIfNeeded();

    EXPECT_EQ(grid->contentSize().height, 250 + 105 + 20);
    auto menu = grid->contextMenuConfigurationAt({250, 50});
    ASSERT_TRUE(menu.has_value());
    EXPECT_EQ(menu->first, IndexPath::forItem(1, 0));
    EXPECT_EQ(tiles->pressedAt, (Point{250, 50}));
    EXPECT_EQ(menu->second.actionProvider().title, "Tile 1");

    EXPECT_FALSE(grid->contextMenuConfigurationAt({195, 50}));   // between two tiles
    EXPECT_FALSE(grid->contextMenuConfigurationAt({50, 130}));   // between two rows
    EXPECT_FALSE(grid->contextMenuConfigurationAt({50, 10}));    // in the top inset
    EXPECT_FALSE(grid->contextMenuConfigurationAt({50, 50}));    // a tile without a menu
    EXPECT_FALSE(grid->contextMenuConfigurationAt({50, 1000}));  // below the last tile

    // The point is in the collection's own coordinates, which scroll with the content: a
    // press at the same spot of the screen finds a later tile once scrolled down.
    grid->setContentOffset({0, 100});
    auto scrolled = grid->contextMenuConfigurationAt(grid->convertFromWindow({250, 50}));
    ASSERT_TRUE(scrolled.has_value());
    EXPECT_EQ(scrolled->first, IndexPath::forItem(3, 0));
    ASSERT_NE(grid->cellForItem(IndexPath::forItem(4, 0)), nullptr);
    EXPECT_EQ(grid->cellForItem(IndexPath::forItem(4, 0))->frame(), (kit::Rect{10, 250, 180, 105}));
}

}  // namespace
