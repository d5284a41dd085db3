#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/Button.h"
#include "platform/kit/CollectionView.h"
#include "platform/kit/ContextMenuView.h"
#include "platform/kit/TableView.h"
#include "tests/platform/kit/KitScreen.h"

using kit::CollectionView;
using kit::IndexPath;
using kit::Rect;
using kit::TableView;

namespace {

// A cell read out by its text, as a person using the screen reader hears it.
template <class Cell>
std::shared_ptr<Cell> labelled(const std::shared_ptr<Cell>& cell, const std::string& text) {
    cell->setAccessibilityLabel(text);
    return cell;
}

// A grid of tiles whose items offer "View" and "Delete", and a file list to lay over it.
class Lists final : public kit::TableViewDataSource,
                    public kit::TableViewDelegate,
                    public kit::CollectionViewDataSource,
                    public kit::CollectionViewDelegate {
  public:
    std::int64_t numberOfRows(TableView&, std::int64_t) override { return 30; }
    std::shared_ptr<kit::TableViewCell> cellForRow(TableView& table, IndexPath path) override {
        return labelled(table.dequeueReusableCell("Cell", path),
                        "File " + std::to_string(path.row));
    }
    std::optional<double> heightForRow(TableView&, IndexPath) override { return 70; }
    void didSelectRow(TableView&, IndexPath path) override { selectedRows.push_back(path.row); }

    std::int64_t numberOfItems(CollectionView&, std::int64_t) override { return 4; }
    std::shared_ptr<kit::CollectionViewCell> cellForItem(CollectionView& grid,
                                                         IndexPath path) override {
        return labelled(grid.dequeueReusableCell("Cell", path),
                        "Setup " + std::to_string(path.item()));
    }
    std::optional<kit::Size> sizeForItem(CollectionView& grid, IndexPath) override {
        return kit::Size{grid.bounds().width() * 0.5 - 15, 105};
    }
    std::optional<kit::ContextMenuConfiguration> contextMenuConfigurationForItem(
        CollectionView&, IndexPath path, kit::Point) override {
        std::int64_t item = path.item();
        return kit::ContextMenuConfiguration{
            [this, item] {
                return kit::Menu{
                    "Setup " + std::to_string(item),
                    {{"View", "eye.fill", false, [this, item] { viewed.push_back(item); }},
                     {"Delete", "trash.fill", true, [this, item] { deleted.push_back(item); }}}};
            },
            {}};
    }

    std::vector<std::int64_t> selectedRows;
    std::vector<std::int64_t> viewed;
    std::vector<std::int64_t> deleted;
};

class DriverListsTest : public kittest::DrivenTest {
  protected:
    void SetUp() override {
        show(screen);
        grid = std::make_shared<CollectionView>(window->bounds(), nullptr);
        grid->registerCell("Cell", [] { return kit::CollectionViewCell::make("Cell"); });
        grid->setDataSource(lists);
        grid->setDelegate(lists);
        screen->view()->addSubview(grid);
        driver->settle();
    }

    // A file list laid over the grid.
    void addTable() {
        table = std::make_shared<TableView>(window->bounds());
        table->registerCell("Cell", [] { return kit::TableViewCell::make("Cell"); });
        table->setDataSource(lists);
        table->setDelegate(lists);
        screen->view()->addSubview(table);
        driver->settle();
    }

    std::shared_ptr<Lists> lists = std::make_shared<Lists>();
    std::shared_ptr<kit::ViewController> screen = std::make_shared<kit::ViewController>();
    std::shared_ptr<CollectionView> grid;
    std::shared_ptr<TableView> table;
};

TEST_F(DriverListsTest, TapsATableRowAfterScrollingItOnScreen) {
    addTable();
    EXPECT_FALSE(driver->isShowing("File 20")) << "rows off screen have no cells";

    ASSERT_TRUE(driver->tap("File 3").ok());
    ASSERT_TRUE(driver->tap("File 20").ok());
    EXPECT_EQ(lists->selectedRows, (std::vector<std::int64_t>{3, 20}));
    EXPECT_GT(table->contentOffset().y, 0);

    double offset = table->contentOffset().y;
    EXPECT_FALSE(driver->tap("File 99").ok());
    EXPECT_DOUBLE_EQ(table->contentOffset().y, offset) << "a failed search scrolls back";
}

// Deleting and viewing through the menu is the Setups screen's road; here, where the menu
// sits and how it closes.
TEST_F(DriverListsTest, LongPressOnATileBringsUpItsMenuBesideItAndATapOutsideClosesIt) {
    ASSERT_TRUE(driver->longPress("Setup 3").ok());
    auto menu = kit::ContextMenuView::showing(*window);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->menu().title, "Setup 3");
    EXPECT_FALSE(driver->isShowing("Setup 0")) << "the menu covers the rest of the screen";
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
    EXPECT_TRUE(lists->viewed.empty() && lists->deleted.empty());
    ASSERT_TRUE(driver->longPressAt({195, 700}).ok());
    EXPECT_EQ(kit::ContextMenuView::showing(*window), nullptr) << "no tile there";
}

}  // namespace
