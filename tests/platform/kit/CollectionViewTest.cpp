#include "platform/kit/CollectionView.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/kit/LayoutConstraint.h"
#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::CollectionView;
using kit::CollectionViewCell;
using kit::IndexPath;
using kit::Point;
using kit::Rect;
using kit::Size;

class TileCell final : public CollectionViewCell {
  public:
    using CollectionViewCell::CollectionViewCell;
    std::string title;
    bool ringed = false;
};

// A grid of tiles named by item number, sized and spaced as a test asks, which marks the
// chosen tile and reloads on every tap as the pickers do.
class Tiles final : public kit::CollectionViewDataSource, public kit::CollectionViewDelegate {
  public:
    std::int64_t numberOfItems(CollectionView&, std::int64_t) override { return count; }
    std::shared_ptr<CollectionViewCell> cellForItem(CollectionView& grid,
                                                    IndexPath indexPath) override {
        auto cell = std::static_pointer_cast<TileCell>(grid.dequeueReusableCell("Cell", indexPath));
        cell->title = "Tile " + std::to_string(indexPath.item());
        cell->ringed = chosen == indexPath.item();
        return cell;
    }
    std::optional<Size> sizeForItem(CollectionView& grid, IndexPath) override {
        return sizer ? sizer(grid) : size;
    }
    std::optional<kit::EdgeInsets> insetForSection(CollectionView&, std::int64_t) override {
        return insets;
    }
    std::optional<double> minimumInteritemSpacing(CollectionView&, std::int64_t) override {
        return interitem;
    }
    std::optional<double> minimumLineSpacing(CollectionView&, std::int64_t) override {
        return line;
    }
    void didSelectItem(CollectionView& grid, IndexPath indexPath) override {
        chosen = indexPath.item();
        grid.reloadData();
    }
    std::optional<kit::ContextMenuConfiguration> contextMenuConfigurationForItem(
        CollectionView&, IndexPath indexPath, Point point) override {
        pressedAt = point;
        if (indexPath.item() == 0) {
            return std::nullopt;
        }
        std::string title = "Tile " + std::to_string(indexPath.item());
        return kit::ContextMenuConfiguration{[title] { return kit::Menu{title, {}}; }, {}};
    }

    std::int64_t count = 5;
    Size size{390 * 0.5 - 15, 105};
    std::function<Size(CollectionView&)> sizer;
    kit::EdgeInsets insets{20, 10, 20, 10};
    double interitem = 10;
    double line = 10;
    std::int64_t chosen = -1;
    Point pressedAt;
};

class CollectionViewTest : public testing::Test {
  protected:
    void place(Rect frame, const std::shared_ptr<kit::View>& host) {
        grid = std::make_shared<CollectionView>(frame,
                                                std::make_shared<kit::CollectionViewFlowLayout>());
        grid->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
        grid->registerCell("Cell", [] { return std::make_shared<TileCell>(); });
        grid->setDataSource(tiles);
        grid->setDelegate(tiles);
        host->addSubview(grid);
        screen.window->layoutIfNeeded();
    }

    // The cell of an item that must be on screen; a stand-in, and a failure, when it is not.
    TileCell& tile(std::int64_t item) {
        auto cell =
            std::static_pointer_cast<TileCell>(grid->cellForItem(IndexPath::forItem(item, 0)));
        if (!cell) {
            ADD_FAILURE() << "no cell for item " << item;
            return *missing;
        }
        return *cell;
    }

    std::vector<Rect> frames() {
        std::vector<Rect> frames;
        for (std::int64_t item = 0; item < grid->numberOfItems(0); ++item) {
            frames.push_back(grid->frameForItem(IndexPath::forItem(item, 0)));
        }
        return frames;
    }

    kittest::KitScreen screen;
    std::shared_ptr<Tiles> tiles = std::make_shared<Tiles>();
    std::shared_ptr<CollectionView> grid;
    std::shared_ptr<TileCell> missing = std::make_shared<TileCell>();
};

TEST_F(CollectionViewTest, SixColumnsOfSixthsFillA390PointHost) {
    // A picker across the host, its grid pinned inside it, each cell a sixth of the host.
    tiles->count = 18;
    tiles->sizer = [](CollectionView& grid) {
        return Size{grid.superview()->superview()->frame().width() / 6, 50};
    };
    tiles->insets = {};
    tiles->interitem = 0;
    tiles->line = 5;
    auto picker = std::make_shared<kit::View>();
    picker->setTranslatesAutoresizingMaskIntoConstraints(false);
    screen.root->addSubview(picker);
    place({}, picker);
    grid->setTranslatesAutoresizingMaskIntoConstraints(false);
    kit::LayoutConstraint::activateConstraints({
        picker->leadingAnchor().constraintEqualToAnchor(screen.root->leadingAnchor()),
        picker->trailingAnchor().constraintEqualToAnchor(screen.root->trailingAnchor()),
        picker->topAnchor().constraintEqualToAnchor(screen.root->topAnchor(), 100),
        picker->heightAnchor().constraintEqualToConstant(165),
        grid->leadingAnchor().constraintEqualToAnchor(picker->leadingAnchor()),
        grid->trailingAnchor().constraintEqualToAnchor(picker->trailingAnchor()),
        grid->topAnchor().constraintEqualToAnchor(picker->topAnchor()),
        grid->bottomAnchor().constraintEqualToAnchor(picker->bottomAnchor()),
    });
    screen.window->layoutIfNeeded();

    ASSERT_EQ(grid->frame(), (Rect{0, 0, 390, 165}));
    auto placed = frames();
    ASSERT_EQ(placed.size(), 18u);
    for (std::size_t item = 0; item < 18; ++item) {
        double column = static_cast<double>(item % 6);
        double row = static_cast<double>(item / 6);
        EXPECT_EQ(placed[item], (Rect{65 * column, 55 * row, 65, 50})) << item;
    }
    EXPECT_EQ(grid->contentSize().height, 160);
    EXPECT_EQ(tile(17).frame(), (Rect{325, 110, 65, 50}));
}

TEST_F(CollectionViewTest, TwoTilesSitSideBySideInsideTheInsets) {
    place({0, 0, 390, 844}, screen.root);
    // (390 / 2 - 15) = 180 wide: 10 + 180 + 10 + 180 + 10 fills the 390 points exactly.
    EXPECT_EQ(frames(), (std::vector<Rect>{{10, 20, 180, 105},
                                           {200, 20, 180, 105},
                                           {10, 135, 180, 105},
                                           {200, 135, 180, 105},
                                           {10, 250, 180, 105}}));
    EXPECT_EQ(grid->contentSize().height, 250 + 105 + 20);
    EXPECT_EQ(tile(4).frame(), (Rect{10, 250, 180, 105}));
}

TEST_F(CollectionViewTest, ATapSelectsTheItemUnderItAndAReloadShowsTheChoice) {
    place({0, 0, 390, 844}, screen.root);
    screen.tap({195, 50});  // between the two tiles of the first row
    EXPECT_EQ(tiles->chosen, -1);
    screen.tap({250, 150});
    EXPECT_EQ(tiles->chosen, 3);
    screen.window->layoutIfNeeded();
    EXPECT_TRUE(tile(3).ringed);
    EXPECT_FALSE(tile(1).ringed);
}

TEST_F(CollectionViewTest, ContextMenuComesFromTheItemUnderThePointAndNotFromBetweenItems) {
    place({0, 0, 390, 844}, screen.root);
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
}

}  // namespace
