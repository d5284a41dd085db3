#include "platform/kit/TableView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/kit/LayoutConstraint.h"
#include "tests/platform/kit/KitScreen.h"
#include "tests/support/LogCapture.h"

namespace {

using kit::IndexPath;
using kit::Point;
using kit::Rect;
using kit::TableView;
using kit::TableViewCell;

std::string name(IndexPath indexPath) {
    return std::to_string(indexPath.section) + "." + std::to_string(indexPath.row);
}

class TitledCell final : public TableViewCell {
  public:
    using TableViewCell::TableViewCell;
    void prepareForReuse() override {
        TableViewCell::prepareForReuse();
        title.clear();
    }
    std::string title;
};

// Rows named "section.row", with the heights and headers a test asks for, recording what
// the table tells it.
class Rows final : public kit::TableViewDataSource, public kit::TableViewDelegate {
  public:
    std::int64_t numberOfSections(TableView&) override {
        return static_cast<std::int64_t>(rowCounts.size());
    }
    std::int64_t numberOfRows(TableView&, std::int64_t section) override {
        return rowCounts.at(static_cast<std::size_t>(section));
    }
    std::shared_ptr<TableViewCell> cellForRow(TableView& table, IndexPath indexPath) override {
        auto cell =
            std::static_pointer_cast<TitledCell>(table.dequeueReusableCell("Row", indexPath));
        if (!cell->title.empty()) {
            ++staleCells;
        }
        cell->title = name(indexPath);
        return cell;
    }
    std::optional<double> heightForRow(TableView&, IndexPath) override { return rowHeight; }
    std::optional<double> heightForHeader(TableView&, std::int64_t) override {
        return headerHeight;
    }
    std::shared_ptr<kit::View> viewForHeader(TableView&, std::int64_t) override {
        return headerHeight > 0 ? std::make_shared<kit::View>() : nullptr;
    }
    void didHighlightRow(TableView&, IndexPath indexPath) override {
        events.push_back("highlight " + name(indexPath));
    }
    void didUnhighlightRow(TableView&, IndexPath indexPath) override {
        events.push_back("unhighlight " + name(indexPath));
    }
    void scrollViewDidScroll(kit::ScrollView& scrollView) override {
        offsets.push_back(scrollView.contentOffset().y);
    }
    void didSelectRow(TableView& table, IndexPath indexPath) override {
        events.push_back("select " + name(indexPath));
        if (onSelect) {
            onSelect(table);
        }
    }

    std::vector<std::int64_t> rowCounts{100};
    std::optional<double> rowHeight = 70;
    double headerHeight = 0;
    std::vector<std::string> events;
    std::vector<double> offsets;
    std::function<void(TableView&)> onSelect;
    int staleCells = 0;
};

class TableViewTest : public testing::Test {
  protected:
    void SetUp() override { install(); }

    void install() {
        table->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
        table->registerCell("Row", [this] {
            ++cellsMade;
            return std::make_shared<TitledCell>();
        });
        table->setDataSource(rows);
        table->setDelegate(rows);
        screen.root->addSubview(table);
    }

    void layout() { screen.window->layoutIfNeeded(); }

    std::shared_ptr<TitledCell> cellAt(std::int64_t row, std::int64_t section = 0) {
        return std::static_pointer_cast<TitledCell>(
            table->cellForRow(IndexPath::forRow(row, section)));
    }

    // The cells placed in the table, by title, without asking the table to update.
    std::set<std::string> placedTitles() const {
        std::set<std::string> titles;
        for (const auto& view : table->subviews()) {
            if (auto cell = std::dynamic_pointer_cast<TitledCell>(view)) {
                titles.insert(cell->title);
            }
        }
        return titles;
    }

    kittest::KitScreen screen;
    std::shared_ptr<Rows> rows = std::make_shared<Rows>();
    std::shared_ptr<TableView> table = std::make_shared<TableView>(Rect{0, 0, 390, 844});
    int cellsMade = 0;
};

// The list base's own work (recycling, touches, reload, bad answers) is proven here once,
// through the table; the collection view's tests keep only its placement.
TEST_F(TableViewTest, OnlyRowsOnScreenHaveCellsAndScrollingRecyclesThemAtOnce) {
    layout();
    // 844 points of 70-point rows: rows 0 to 12, the last one cut off.
    EXPECT_EQ(cellsMade, 13);
    EXPECT_EQ(cellAt(13), nullptr);

    // The cells move with the offset before any layout: rows 10 to 22, on the ten cells that
    // left, prepared before the data source saw them.
    table->setContentOffset({0, 700});
    auto placed = placedTitles();
    EXPECT_EQ(placed.size(), 13u);
    EXPECT_TRUE(placed.count("0.22") && placed.count("0.10") && !placed.count("0.9"));
    EXPECT_EQ(cellsMade, 13);
    EXPECT_EQ(rows->staleCells, 0);
    EXPECT_EQ(table->indexPathForRow({10, 7000 - 1}), IndexPath::forRow(99, 0));
    EXPECT_EQ(table->indexPathForRow({10, 7000}), std::nullopt);
}

TEST_F(TableViewTest, NothingIsOnScreenOnceTheRowsAreScrolledWhollySideways) {
    layout();
    // The visible rect only touching the rows' left or right edge shows none of them.
    for (double x : {-390.0, 390.0, -389.0, 389.0}) {
        table->setContentOffset({x, 0});
        layout();
        EXPECT_EQ(table->visibleCells().empty(), std::abs(x) == 390) << x;
    }
}

TEST_F(TableViewTest, TapHighlightsOnTouchDownThenSelectsOnLiftWithTheSelectedLook) {
    layout();
    auto cell = cellAt(2);
    ASSERT_NE(cell, nullptr);
    screen.press({100, 2 * 70 + 10});
    EXPECT_EQ(rows->events, (std::vector<std::string>{"highlight 0.2"}));
    ASSERT_NE(cell->selectedBackgroundView(), nullptr);
    EXPECT_EQ(cell->subviews().front(), cell->selectedBackgroundView());
    screen.lift({100, 2 * 70 + 10});
    EXPECT_EQ(rows->events,
              (std::vector<std::string>{"highlight 0.2", "unhighlight 0.2", "select 0.2"}));
    EXPECT_TRUE(cell->isSelected());

    // Selecting another row leaves one selected; deselecting leaves none. A cell whose
    // selection style is none is selected without the look.
    auto fourth = cellAt(4);
    fourth->setSelectionStyle(kit::TableViewCellSelectionStyle::none);
    screen.tap({100, 4 * 70 + 10});
    EXPECT_FALSE(cell->isSelected());
    EXPECT_EQ(cell->selectedBackgroundView()->superview(), nullptr);
    EXPECT_TRUE(fourth->isSelected());
    auto background = fourth->selectedBackgroundView();
    EXPECT_TRUE(!background || background->superview() == nullptr);
    table->deselectRow(IndexPath::forRow(4, 0), false);
    EXPECT_FALSE(fourth->isSelected());
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
}

TEST_F(TableViewTest, ADragScrollsAndSelectsNothingEvenOnceWhatItTouchedHasScrolledAway) {
    rows->rowCounts = {10};
    table->setFrame({0, 200, 390, 400});
    layout();
    // The finger leaves the table upwards and pulls the content past its end, taking what
    // it touched first out of view for good.
    auto dragFrom = [this](double y) {
        screen.press({100, y});
        for (double to = y - 100; to >= y - 600; to -= 100) {
            screen.move({100, to});
            layout();
        }
        screen.lift({100, y - 600});
    };
    dragFrom(230);  // on row 0
    EXPECT_EQ(rows->events, (std::vector<std::string>{"highlight 0.0", "unhighlight 0.0"}));
    EXPECT_FALSE(table->isDragging());
    EXPECT_EQ(table->contentOffset(), (Point{0, 700 - 400}));  // settled back at the end
    EXPECT_EQ(rows->offsets.back(), 700 - 400);                // the delegate hears of scrolling

    rows->headerHeight = 40;
    table->reloadData();
    table->setContentOffset({0, 0});
    layout();
    dragFrom(220);  // on the header of section 0
    EXPECT_FALSE(table->isDragging());
    EXPECT_EQ(table->contentOffset(), (Point{0, 740 - 400}));
    EXPECT_EQ(table->headerView(0), nullptr);  // let go once the touch ended
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);

    // With scrolling off, the drag goes on up to the scroll view holding the list.
    auto form = std::make_shared<kit::ScrollView>(Rect{0, 0, 390, 844});
    form->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
    form->setContentSize({390, 2000});
    screen.root->addSubview(form);
    form->addSubview(table);
    table->setScrollEnabled(false);
    table->setContentOffset({0, 0});
    layout();
    screen.press({50, 350});
    screen.move({50, 250});
    screen.lift({50, 250});
    EXPECT_EQ(form->contentOffset(), (Point{0, 100}));
    EXPECT_FALSE(form->isDragging());
    EXPECT_EQ(table->contentOffset(), (Point{0, 0}));
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
}

// How grouped sections stack under a frame-sized table header is the settings screen's
// golden; here, what it cannot show.
TEST_F(TableViewTest, HeadersOffScreenDoNotExistAndATallerTableHeaderMovesTheSections) {
    table->removeFromSuperview();
    table = std::make_shared<TableView>(Rect{0, 0, 390, 844}, kit::TableViewStyle::grouped);
    install();
    rows->rowCounts = {2, 3, 20};
    rows->rowHeight = 75;
    rows->headerHeight = 40;
    table->setTableHeaderView(std::make_shared<kit::View>(Rect{0, 0, 0, 230}));
    layout();
    EXPECT_EQ(table->contentSize().height, 725 + 20 * 75);
    EXPECT_EQ(table->rectForRow(IndexPath::forRow(20, 2)), Rect{});
    EXPECT_NE(table->headerView(2), nullptr);
    table->setContentOffset({0, 800});
    layout();
    EXPECT_EQ(table->headerView(1), nullptr);
    EXPECT_EQ(cellAt(0, 2), nullptr);

    // Whether its frame or its constraints say how high it is.
    table->tableHeaderView()->setFrame({0, 0, 390, 300});
    layout();
    EXPECT_EQ(table->rectForHeader(0), (Rect{0, 300, 390, 40}));
    auto sized = std::make_shared<kit::View>();
    sized->setTranslatesAutoresizingMaskIntoConstraints(false);
    sized->heightAnchor().constraintEqualToConstant(120)->setActive(true);
    table->setTableHeaderView(sized);
    layout();
    EXPECT_EQ(sized->frame(), (Rect{0, 0, 390, 120}));
    EXPECT_EQ(table->rectForHeader(0), (Rect{0, 120, 390, 40}));
}

TEST_F(TableViewTest, ScrollingToASectionOrRowMovesOnlyAsFarAsNeededWithinTheContent) {
    rows->rowCounts = {10, 10, 3};
    rows->headerHeight = 40;
    table->setContentInset({56, 0, 70, 0});
    layout();
    EXPECT_EQ(table->contentOffset(), (Point{0, -56}));  // starts at the top, inside the inset
    auto scrollTo = [this](IndexPath path, kit::TableViewScrollPosition position) {
        table->scrollToRow(path, position, false);
        return table->contentOffset().y;
    };
    const auto top = kit::TableViewScrollPosition::top;
    EXPECT_EQ(scrollTo({1, IndexPath::notFound}, top), 740 - 56);
    EXPECT_NE(table->headerView(1), nullptr);
    // The last section cannot come to the top: the content stops at its end.
    EXPECT_EQ(scrollTo({2, IndexPath::notFound}, top), 1730 + 70 - 844);
    testsupport::LogCapture log;
    EXPECT_EQ(scrollTo({7, 0}, top), 1730 + 70 - 844);
    EXPECT_EQ(log.lines().size(), 1u);

    // Without a position: a row in view stays, one below comes up to the bottom edge (inside
    // the inset), and a row taller than the table whose top is at the top must not jump to
    // its end.
    const auto none = kit::TableViewScrollPosition::none;
    table->setContentOffset({0, 140});
    EXPECT_EQ(scrollTo({0, 5}, none), 140);
    EXPECT_EQ(scrollTo({1, 9}, none), 40 + 10 * 70 + 40 + 10 * 70 - 56 - (844 - 56 - 70));
    rows->rowCounts = {3};
    rows->headerHeight = 0;
    rows->rowHeight = 1000;
    table->setContentInset({});
    table->reloadData();
    layout();
    struct Case {
        double from;
        std::int64_t row;
        double expected;
    };
    for (Case check :
         {Case{0, 0, 0}, Case{1000, 1, 1000}, Case{1500, 1, 1000}, Case{500, 1, 2000 - 844}}) {
        table->setContentOffset({0, check.from});
        EXPECT_EQ(scrollTo({0, check.row}, none), check.expected) << check.from;
    }
}

TEST_F(TableViewTest, ReloadClearsTheSelectionAndASelectionMayCloseTheTable) {
    layout();
    screen.tap({100, 10});
    table->setContentOffset({0, 5000});
    rows->rowCounts = {10};
    table->reloadData();
    layout();
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    EXPECT_EQ(table->contentOffset(), (Point{0, 0})) << "back within the content";
    EXPECT_EQ(placedTitles().size(), 10u);
    EXPECT_FALSE(cellAt(0)->isSelected());

    std::weak_ptr<TableView> weakTable = table;
    rows->onSelect = [this](TableView& selected) {
        selected.removeFromSuperview();
        table.reset();
    };
    screen.tap({100, 10});
    EXPECT_EQ(rows->events.back(), "select 0.0");
    EXPECT_TRUE(weakTable.expired()) << "and does not outlive it";
}

TEST_F(TableViewTest, BadAnswersFromTheDataSourceNeverBreakTheTable) {
    class Broken final : public kit::TableViewDataSource, public kit::TableViewDelegate {
      public:
        std::int64_t numberOfSections(TableView&) override { return 2; }
        std::int64_t numberOfRows(TableView&, std::int64_t section) override {
            return section == 0 ? -5 : 3;
        }
        std::shared_ptr<TableViewCell> cellForRow(TableView& table, IndexPath indexPath) override {
            if (indexPath.row == 0) {
                return nullptr;
            }
            return table.dequeueReusableCell("Unregistered", indexPath);
        }
        std::optional<double> heightForRow(TableView&, IndexPath indexPath) override {
            return indexPath.row == 2 ? std::nan("") : -3.0 + 50 * indexPath.row;
        }
    };
    auto broken = std::make_shared<Broken>();
    testsupport::LogCapture log;
    table->setDataSource(broken);
    table->setDelegate(broken);
    layout();

    // Only row 1 has a height; the others are laid out as zero high and never shown.
    EXPECT_EQ(table->numberOfRows(0), 0);
    EXPECT_EQ(table->contentSize().height, 47);
    auto visible = table->indexPathsForVisibleRows();
    ASSERT_EQ(visible.size(), 1u);
    auto cell = table->cellForRow(visible.front());
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->reuseIdentifier(), "Unregistered");
    EXPECT_EQ(log.lines().size(), 1u);

    // A data source that has gone leaves an empty table.
    broken.reset();
    table->reloadData();
    layout();
    EXPECT_EQ(table->numberOfSections(), 0);
    EXPECT_TRUE(table->visibleCells().empty());
}

}  // namespace
