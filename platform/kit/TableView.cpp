#include "platform/kit/TableView.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/foundation/Log.h"

namespace kit {

namespace {

Color plainBackgroundColor() {
    return Color::dynamic({1, 1, 1, 1}, {0, 0, 0, 1});
}
Color groupedBackgroundColor() {
    return Color::dynamic({242 / 255.0, 242 / 255.0, 247 / 255.0, 1}, {0, 0, 0, 1});
}

}  // namespace

TableView::TableView(Rect frame, TableViewStyle style) : ListView(frame), style_(style) {
    setBackgroundColor(style == TableViewStyle::plain ? plainBackgroundColor()
                                                      : groupedBackgroundColor());
}

void TableView::setDataSource(std::weak_ptr<TableViewDataSource> dataSource) {
    dataSource_ = std::move(dataSource);
    reloadData();
}

void TableView::setDelegate(std::weak_ptr<TableViewDelegate> delegate) {
    delegate_ = delegate;
    ScrollView::setDelegate(std::move(delegate));
    setNeedsPrepareItems();
}

void TableView::setRowHeight(double height) {
    rowHeight_ = height;
    setNeedsPrepareItems();
}

void TableView::setSectionHeaderHeight(double height) {
    sectionHeaderHeight_ = height;
    setNeedsPrepareItems();
}

void TableView::setSeparatorStyle(TableViewSeparatorStyle style) {
    separatorStyle_ = style;
    for (const auto& cell : visibleCells()) {
        cell->setSeparatorShown(style == TableViewSeparatorStyle::singleLine);
    }
}

void TableView::setTableHeaderView(std::shared_ptr<View> view) {
    if (tableHeaderView_ && tableHeaderView_->superview().get() == this) {
        tableHeaderView_->removeFromSuperview();
    }
    tableHeaderView_ = std::move(view);
    if (tableHeaderView_) {
        addSubview(tableHeaderView_);
    }
    setNeedsPrepareItems();
}

void TableView::registerCell(const std::string& identifier, CellFactory factory) {
    if (!factory) {
        reuseQueue().registerFactory(identifier, nullptr);
        return;
    }
    reuseQueue().registerFactory(
        identifier,
        [factory = std::move(factory)]() -> std::shared_ptr<ReusableCell> { return factory(); });
}

// Only table cells ever enter this table's queue: registered ones and those it showed.
std::shared_ptr<TableViewCell> TableView::dequeueReusableCell(const std::string& identifier) {
    return std::static_pointer_cast<TableViewCell>(reuseQueue().dequeue(identifier));
}

std::shared_ptr<TableViewCell> TableView::dequeueReusableCell(const std::string& identifier,
                                                              IndexPath) {
    if (auto cell = dequeueReusableCell(identifier)) {
        return cell;
    }
    foundation::Log::write("No table cell is registered for the reuse identifier \"" + identifier +
                           "\"; a plain cell stands in.");
    return TableViewCell::make(identifier);
}

std::int64_t TableView::numberOfSections() {
    updateIfNeeded();
    return geometry_.numberOfSections();
}

std::int64_t TableView::numberOfRows(std::int64_t section) {
    updateIfNeeded();
    return geometry_.numberOfRows(section);
}

Rect TableView::spanRect(std::optional<TableGeometry::Span> span) const {
    return span ? Rect{0, span->top, width_, span->height} : Rect{};
}

Rect TableView::rectForSection(std::int64_t section) {
    updateIfNeeded();
    return spanRect(geometry_.section(section));
}

Rect TableView::rectForHeader(std::int64_t section) {
    updateIfNeeded();
    return spanRect(geometry_.header(section));
}

Rect TableView::rectForRow(IndexPath indexPath) {
    updateIfNeeded();
    return spanRect(geometry_.row(indexPath));
}

std::optional<IndexPath> TableView::indexPathForRow(Point point) {
    updateIfNeeded();
    return indexPathAtPoint(point);
}

std::shared_ptr<TableViewCell> TableView::cellForRow(IndexPath indexPath) {
    return std::static_pointer_cast<TableViewCell>(visibleCell(indexPath));
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCell& cell) {
    return indexPathOfCell(cell);
}

std::vector<std::shared_ptr<TableViewCell>> TableView::visibleCells() {
    return visibleCellsAs<TableViewCell>();
}

std::vector<IndexPath> TableView::indexPathsForVisibleRows() {
    return visibleIndexPaths();
}

std::shared_ptr<View> TableView::headerView(std::int64_t section) {
    updateIfNeeded();
    auto found = headers_.find(section);
    return found == headers_.end() ? nullptr : found->second;
}

void TableView::scrollToRow(IndexPath indexPath, TableViewScrollPosition position, bool animated) {
    updateIfNeeded();
    auto span = indexPath.row == IndexPath::notFound ? geometry_.section(indexPath.section)
                                                     : geometry_.row(indexPath);
    if (!span) {
        foundation::Log::write("The table cannot scroll to section " +
                               std::to_string(indexPath.section) + ", row " +
                               std::to_string(indexPath.row) + ": it has no such row.");
        return;
    }
    if (indexPath.row == IndexPath::notFound) {
        span->height = 0;
    }
    double y = scrollTarget(*span, position);
    y = std::clamp(y, minimumContentOffset().y, maximumContentOffset().y);
    setContentOffset({contentOffset().x, y}, animated);
}

double TableView::scrollTarget(TableGeometry::Span span, TableViewScrollPosition position) const {
    EdgeInsets insets = adjustedContentInset();
    double shown = bounds().height() - insets.top - insets.bottom;
    double top = span.top - insets.top;
    double bottom = span.bottom() - insets.top - shown;
    switch (position) {
        case TableViewScrollPosition::top:
            return top;
        case TableViewScrollPosition::middle:
            return (top + bottom) / 2;
        case TableViewScrollPosition::bottom:
            return bottom;
        case TableViewScrollPosition::none:
            break;
    }
    // Only as far as needed to bring the row into view; a row taller than the view whose
    // top is already at the top stays where it is.
    double y = contentOffset().y;
    return y >= top ? top : (y < bottom ? bottom : y);
}

// A header whose frame changed height since the rows were laid out moves them.
void TableView::layoutSubviews() {
    if (currentTableHeaderHeight() != preparedHeaderHeight_) {
        setNeedsPrepareItems();
    }
    ListView::layoutSubviews();
}

double TableView::currentTableHeaderHeight() const {
    if (!tableHeaderView_) {
        return 0;
    }
    double height = tableHeaderView_->frame().height();
    return std::isfinite(height) && height > 0 ? height : 0;
}

double TableView::prepareItems(double width) {
    width_ = width;
    preparedHeaderHeight_ = currentTableHeaderHeight();
    geometry_.reset(preparedHeaderHeight_);
    if (auto source = dataSource()) {
        std::int64_t sections = std::max<std::int64_t>(0, source->numberOfSections(*this));
        for (std::int64_t section = 0; section < sections; ++section) {
            addSection(*source, section);
        }
    }
    return geometry_.contentHeight();
}

void TableView::addSection(TableViewDataSource& source, std::int64_t section) {
    auto delegate = this->delegate();
    std::int64_t rows = std::max<std::int64_t>(0, source.numberOfRows(*this, section));
    std::vector<double> heights;
    heights.reserve(static_cast<std::size_t>(rows));
    for (std::int64_t row = 0; row < rows; ++row) {
        auto height = delegate ? delegate->heightForRow(*this, {section, row}) : std::nullopt;
        heights.push_back(height.value_or(rowHeight_));
    }
    auto header = delegate ? delegate->heightForHeader(*this, section) : std::nullopt;
    geometry_.addSection(header.value_or(sectionHeaderHeight_), heights);
}

std::vector<IndexPath> TableView::indexPathsInRect(Rect rect) const {
    if (rect.maxX() <= 0 || rect.minX() >= width_) {
        return {};
    }
    return geometry_.rowsBetween(rect.minY(), rect.maxY());
}

std::optional<IndexPath> TableView::indexPathAtPoint(Point point) const {
    if (point.x < 0 || point.x >= width_) {
        return std::nullopt;
    }
    return geometry_.rowAt(point.y);
}

std::optional<Rect> TableView::frameOfItem(IndexPath indexPath) const {
    auto span = geometry_.row(indexPath);
    if (!span) {
        return std::nullopt;
    }
    return spanRect(span);
}

std::shared_ptr<ReusableCell> TableView::cellFromDataSource(IndexPath indexPath) {
    auto source = dataSource();
    return source ? source->cellForRow(*this, indexPath) : nullptr;
}

std::shared_ptr<ReusableCell> TableView::makeEmptyCell() {
    return TableViewCell::make({});
}

void TableView::willDisplayCell(ReusableCell& cell, IndexPath indexPath) {
    auto& tableCell = static_cast<TableViewCell&>(cell);
    tableCell.setSeparatorShown(separatorStyle_ == TableViewSeparatorStyle::singleLine);
    if (auto delegate = this->delegate()) {
        delegate->willDisplayCell(*this, tableCell, indexPath);
    }
}

void TableView::didChangeHighlight(IndexPath indexPath, bool highlighted) {
    if (auto delegate = this->delegate()) {
        if (highlighted) {
            delegate->didHighlightRow(*this, indexPath);
        } else {
            delegate->didUnhighlightRow(*this, indexPath);
        }
    }
}

void TableView::didSelectItem(IndexPath indexPath) {
    if (auto delegate = this->delegate()) {
        delegate->didSelectRow(*this, indexPath);
    }
}

void TableView::didPlaceCells(Rect visible) {
    if (tableHeaderView_) {
        tableHeaderView_->setFrame({0, 0, width_, preparedHeaderHeight_});
    }
    placeHeaders(visible);
}

// Headers are not reused, so one that scrolled away while touched would take the touch
// out of the table with it: those stay until the touch ends.
void TableView::placeHeaders(Rect visible) {
    auto wanted = geometry_.headersBetween(visible.minY(), visible.maxY());
    for (auto it = headers_.begin(); it != headers_.end();) {
        if (isTouched() || std::binary_search(wanted.begin(), wanted.end(), it->first)) {
            ++it;
            continue;
        }
        if (it->second) {
            it->second->removeFromSuperview();
        }
        it = headers_.erase(it);
    }
    auto delegate = this->delegate();
    for (std::int64_t section : wanted) {
        auto [found, added] = headers_.try_emplace(section);
        if (added && delegate) {
            found->second = delegate->viewForHeader(*this, section);
        }
        if (found->second) {
            found->second->setFrame(spanRect(geometry_.header(section)));
            if (found->second->superview().get() != this) {
                addSubview(found->second);
            }
        }
    }
}

void TableView::didEndTouch() {
    placeHeaders(bounds());
}

void TableView::didDiscardCells() {
    for (auto& [section, header] : headers_) {
        if (header) {
            header->removeFromSuperview();
        }
    }
    headers_.clear();
}

}  // namespace kit
