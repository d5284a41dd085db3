#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/TableView.h"
#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::IndexPath;
using kit::TableView;

// Thirty files, each row read out by its name, recording which are chosen.
class Files final : public kit::TableViewDataSource, public kit::TableViewDelegate {
  public:
    std::int64_t numberOfRows(TableView&, std::int64_t) override { return 30; }
    std::shared_ptr<kit::TableViewCell> cellForRow(TableView& table, IndexPath path) override {
        auto cell = table.dequeueReusableCell("Cell", path);
        cell->setAccessibilityLabel("File " + std::to_string(path.row));
        return cell;
    }
    std::optional<double> heightForRow(TableView&, IndexPath) override { return 70; }
    void didSelectRow(TableView&, IndexPath path) override { selectedRows.push_back(path.row); }

    std::vector<std::int64_t> selectedRows;
};

class DriverListsTest : public kittest::DrivenTest {};

TEST_F(DriverListsTest, TapsATableRowAfterScrollingItOnScreen) {
    auto screen = std::make_shared<kit::ViewController>();
    show(screen);
    auto files = std::make_shared<Files>();
    auto table = std::make_shared<TableView>(window->bounds());
    table->registerCell("Cell", [] { return kit::TableViewCell::make("Cell"); });
    table->setDataSource(files);
    table->setDelegate(files);
    screen->view()->addSubview(table);
    driver->settle();
    EXPECT_FALSE(driver->isShowing("File 20")) << "rows off screen have no cells";

    ASSERT_TRUE(driver->tap("File 3").ok());
    ASSERT_TRUE(driver->tap("File 20").ok());
    EXPECT_EQ(files->selectedRows, (std::vector<std::int64_t>{3, 20}));
    EXPECT_GT(table->contentOffset().y, 0);

    double offset = table->contentOffset().y;
    EXPECT_FALSE(driver->tap("File 99").ok());
    EXPECT_DOUBLE_EQ(table->contentOffset().y, offset) << "a failed search scrolls back";
}

}  // namespace
