#include "platform/kit/CollectionView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kit/Button.h"
#include "platform/kit/ContextMenuView.h"
#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::CollectionView;
using kit::IndexPath;
using kit::Point;
using kit::Rect;

// Five tiles two to a row, spaced and inset by the delegate, all but the first offering
// "View" and "Delete".
class Tiles final : public kit::CollectionViewDataSource, public kit::CollectionViewDelegate {
  public:
    std::int64_t numberOfItems(CollectionView&, std::int64_t) override { return 5; }
    std::shared_ptr<kit::CollectionViewCell> cellForItem(CollectionView& grid,
                                                         IndexPath indexPath) override {
        auto cell = grid.dequeueReusableCell("Cell", indexPath);
        cell->setAccessibilityLabel("Tile " + std::to_string(indexPath.item()));
        return cell;
    }
    std::optional<kit::Size> sizeForItem(CollectionView&, IndexPath) override {
        return kit::Size{180, 105};
    }
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
        auto run = [this, title] { ran.push_back(title); };
        return kit::ContextMenuConfiguration{
            [title, run] {
                return kit::Menu{
                    title, {{"View", "eye.fill", false, run}, {"Delete", "trash.fill", true, run}}};
            },
            {}};
    }

    Point pressedAt;
    std::vector<std::string> ran;
};

class CollectionViewTest : public kittest::DrivenTest {
  protected:
    void SetUp() override {
        show(screen);
        grid->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
        grid->registerCell("Cell", [] { return kit::CollectionViewCell::make("Cell"); });
        grid->setDataSource(tiles);
        grid->setDelegate(tiles);
        screen->view()->addSubview(grid);
        driver->settle();
    }

    std::shared_ptr<kit::ViewController> screen = std::make_shared<kit::ViewController>();
    std::shared_ptr<Tiles> tiles = std::make_shared<Tiles>();
    std::shared_ptr<CollectionView> grid =
        std::make_shared<CollectionView>(Rect{0, 0, 390, 844}, nullptr);
};

// Where the delegate's sizes, insets and spacings put the tiles decides which one a press
// opens a menu for; the gaps and a tile without a menu open none.
TEST_F(CollectionViewTest, ContextMenuComesFromTheItemUnderThePointAndNotFromBetweenItems) {
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
}

// Deleting and viewing through the menu is the Setups screen's road; here, where the menu
// sits and how it closes.
TEST_F(CollectionViewTest, LongPressOnATileBringsUpItsMenuBesideItAndATapOutsideClosesIt) {
    ASSERT_TRUE(driver->longPress("Tile 3").ok());
    auto menu = kit::ContextMenuView::showing(*window);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->menu().title, "Tile 3");
    EXPECT_FALSE(driver->isShowing("Tile 0")) << "the menu covers the rest of the screen";
    // The tile itself stays bright and uncovered: the menu sits beside it.
    auto tile = grid->cellForItem(IndexPath::forItem(3, 0));
    Rect tileRect{tile->convertToWindow({0, 0}), tile->bounds().size};
    Rect panel = menu->panelView()->frame();
    EXPECT_TRUE(panel.minY() >= tileRect.maxY() || panel.maxY() <= tileRect.minY());
    auto destructive = std::dynamic_pointer_cast<kit::Button>(driver->find("Delete"));
    ASSERT_NE(destructive, nullptr);
    EXPECT_EQ(destructive->currentTitleColor(), kit::Color::systemRedColor());

    ASSERT_TRUE(driver->tapAt({195, 830}).ok());
    EXPECT_EQ(kit::ContextMenuView::showing(*window), nullptr) << "a tap outside closes it";
    EXPECT_TRUE(tiles->ran.empty());
    ASSERT_TRUE(driver->longPressAt({195, 700}).ok());
    EXPECT_EQ(kit::ContextMenuView::showing(*window), nullptr) << "no tile there";
}

}  // namespace
