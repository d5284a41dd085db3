#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/kit/ListView.h"
#include "platform/kit/TableGeometry.h"
#include "platform/kit/TableViewCell.h"
#include "platform/kit/TableViewDataSource.h"
#include "platform/kit/TableViewDelegate.h"

namespace kit {

enum class TableViewStyle { plain, grouped };
enum class TableViewSeparatorStyle { none, singleLine };
enum class TableViewScrollPosition { none, top, middle, bottom };

// A vertical list of rows in sections, each section under an optional header view, below
// an optional table header that scrolls with the rows. The data source (weak) tells the
// counts and gives the cells; the delegate (weak) sizes rows and headers and hears of
// highlights and selections. Cells and headers exist only for what is on screen (see
// ListView).
//
// Limits: section headers scroll with their rows in both styles (none stays pinned at the
// top); there are no footers, no editing and no animated row changes; the table header is
// as high as its frame says when the table lays out.
class TableView final : public ListView {
  public:
    using CellFactory = std::function<std::shared_ptr<TableViewCell>()>;

    explicit TableView(Rect frame = {}, TableViewStyle style = TableViewStyle::plain);

    TableViewStyle style() const { return style_; }

    std::shared_ptr<TableViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setDataSource(std::weak_ptr<TableViewDataSource> dataSource);
    // The delegate is also told of scrolling.
    std::shared_ptr<TableViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<TableViewDelegate> delegate);

    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height);
    double sectionHeaderHeight() const { return sectionHeaderHeight_; }
    void setSectionHeaderHeight(double height);
    TableViewSeparatorStyle separatorStyle() const { return separatorStyle_; }
    void setSeparatorStyle(TableViewSeparatorStyle style);
    std::shared_ptr<View> tableHeaderView() const { return tableHeaderView_; }
    void setTableHeaderView(std::shared_ptr<View> view);

    void registerCell(const std::string& identifier, CellFactory factory);
    // A cell put aside under `identifier`, else a new registered one, else none.
    std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& identifier);
    // The same, but never none: without a registration a plain cell stands in (and the
    // mistake is logged).
    std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& identifier,
                                                       IndexPath indexPath);

    std::int64_t numberOfSections();
    std::int64_t numberOfRows(std::int64_t section);
    // In content coordinates; an empty rectangle for what the table does not have.
    Rect rectForSection(std::int64_t section);
    Rect rectForHeader(std::int64_t section);
    Rect rectForRow(IndexPath indexPath);
    // `point` in the table's own (content) coordinates.
    std::optional<IndexPath> indexPathForRow(Point point);

    // The cell of a row on screen, else none.
    std::shared_ptr<TableViewCell> cellForRow(IndexPath indexPath);
    std::optional<IndexPath> indexPathForCell(const TableViewCell& cell);
    std::vector<std::shared_ptr<TableViewCell>> visibleCells();
    std::vector<IndexPath> indexPathsForVisibleRows();
    // The header view of a section on screen, else none.
    std::shared_ptr<View> headerView(std::int64_t section);

    std::optional<IndexPath> indexPathForSelectedRow() const { return selectedIndexPath(); }
    // Animated, the row's selected look fades out.
    void deselectRow(IndexPath indexPath, bool animated) { deselect(indexPath, animated); }

    // A row index of IndexPath::notFound scrolls to the top of the section.
    void scrollToRow(IndexPath indexPath, TableViewScrollPosition position, bool animated);

    void layoutSubviews() override;

  private:
    double prepareItems(double width) override;
    std::vector<IndexPath> indexPathsInRect(Rect rect) const override;
    std::optional<IndexPath> indexPathAtPoint(Point point) const override;
    std::optional<Rect> frameOfItem(IndexPath indexPath) const override;
    std::shared_ptr<ReusableCell> cellFromDataSource(IndexPath indexPath) override;
    std::shared_ptr<ReusableCell> makeEmptyCell() override;
    void willDisplayCell(ReusableCell& cell, IndexPath indexPath) override;
    void didChangeHighlight(IndexPath indexPath, bool highlighted) override;
    void didSelectItem(IndexPath indexPath) override;
    void didPlaceCells(Rect visible) override;
    void didDiscardCells() override;
    void didEndTouch() override;

    void addSection(TableViewDataSource& source, std::int64_t section);
    void placeHeaders(Rect visible);
    double currentTableHeaderHeight() const;
    Rect spanRect(std::optional<TableGeometry::Span> span) const;
    double scrollTarget(TableGeometry::Span span, TableViewScrollPosition position) const;

    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> delegate_;
    TableGeometry geometry_;
    std::map<std::int64_t, std::shared_ptr<View>> headers_;
    std::shared_ptr<View> tableHeaderView_;
    TableViewStyle style_;
    TableViewSeparatorStyle separatorStyle_ = TableViewSeparatorStyle::singleLine;
    double rowHeight_ = 44;
    double sectionHeaderHeight_ = 0;
    double width_ = 0;
    double preparedHeaderHeight_ = 0;
};

}  // namespace kit
