#include "platform/kit/ListView.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/foundation/Log.h"

namespace kit {

namespace {

// How long a deselected row takes to lose its selected look, when animated.
constexpr double deselectionFade = 0.25;

}  // namespace

void ListView::reloadData() {
    needsReload_ = true;
    setNeedsLayout();
}

void ListView::setNeedsPrepareItems() {
    preparedWidth_.reset();
    setNeedsLayout();
}

// Scrolling places cells at once rather than at the next layout, so that an offset change
// that brings no new item into view costs no layout of the window.
void ListView::setBounds(Rect bounds) {
    ScrollView::setBounds(bounds);
    if (placedBounds_ && placedBounds_ != this->bounds()) {
        updateIfNeeded();
    }
}

void ListView::layoutSubviews() {
    ScrollView::layoutSubviews();
    updateIfNeeded();
}

void ListView::updateIfNeeded() {
    // The data source may ask about cells while it is being asked for them.
    if (updating_) {
        return;
    }
    updating_ = true;
    auto keepAlive = weak_from_this().lock();
    if (needsReload_) {
        needsReload_ = false;
        discardAllCells();
        selected_.reset();
        preparedWidth_.reset();
    }
    double width = bounds().width();
    if (preparedWidth_ != width) {
        prepareItemsNow(width);
    }
    if (placedBounds_ != bounds()) {
        placeCells();
    }
    updating_ = false;
}

void ListView::prepareItemsNow(double width) {
    double height = prepareItems(width);
    preparedWidth_ = width;
    placedBounds_.reset();
    setContentSize({width, height});
    if (!placedAtTop_ && !bounds().isEmpty()) {
        placedAtTop_ = true;
        if (contentOffset() == Point{}) {
            setContentOffset(minimumContentOffset());
        }
    }
    Point offset = contentOffset();
    double bottom = maximumContentOffset().y;
    if (!isDragging() && offset.y > bottom) {
        setContentOffset({offset.x, bottom});
    }
}

void ListView::discardAllCells() {
    setPressed(std::nullopt);
    auto cells = std::move(cells_);
    cells_.clear();
    for (auto& [indexPath, cell] : cells) {
        recycle(cell);
    }
    placedBounds_.reset();
    didDiscardCells();
}

void ListView::placeCells() {
    Rect visible = bounds();
    placedBounds_ = visible;
    auto wanted = indexPathsInRect(visible);
    std::vector<std::shared_ptr<ReusableCell>> leaving;
    for (auto it = cells_.begin(); it != cells_.end();) {
        if (std::binary_search(wanted.begin(), wanted.end(), it->first)) {
            ++it;
        } else {
            leaving.push_back(std::move(it->second));
            it = cells_.erase(it);
        }
    }
    // Put aside before asking for new cells, so that those can be reused at once.
    for (const auto& cell : leaving) {
        recycle(cell);
    }
    for (IndexPath indexPath : wanted) {
        auto frame = frameOfItem(indexPath);
        auto placed = cells_.find(indexPath);
        if (!frame) {
            continue;
        }
        if (placed != cells_.end()) {
            placed->second->setFrame(*frame);
        } else {
            placeNewCell(indexPath, *frame);
        }
    }
    didPlaceCells(visible);
}

void ListView::placeNewCell(IndexPath indexPath, Rect frame) {
    auto cell = cellFromDataSource(indexPath);
    // A cell already on screen for another item cannot be in two places at once.
    if (!cell || cell->superview().get() == this) {
        foundation::Log::write("The list's data source gave no usable cell for section " +
                               std::to_string(indexPath.section) + ", item " +
                               std::to_string(indexPath.row) + "; an empty cell stands in.");
        cell = makeEmptyCell();
    }
    cell->setFrame(frame);
    cell->setHighlighted(false);
    cell->setSelected(selected_ == indexPath);
    cell->list_ = weak_from_this();
    insertSubview(cell, 0);
    cells_[indexPath] = cell;
    willDisplayCell(*cell, indexPath);
}

void ListView::recycle(const std::shared_ptr<ReusableCell>& cell) {
    cell->removeFromSuperview();
    cell->setHighlighted(false);
    reuseQueue_.enqueue(cell);
}

std::shared_ptr<ReusableCell> ListView::visibleCell(IndexPath indexPath) {
    updateIfNeeded();
    auto found = cells_.find(indexPath);
    return found == cells_.end() ? nullptr : found->second;
}

std::optional<IndexPath> ListView::indexPathOfCell(const ReusableCell& cell) {
    updateIfNeeded();
    for (const auto& [indexPath, visible] : cells_) {
        if (visible.get() == &cell) {
            return indexPath;
        }
    }
    return std::nullopt;
}

std::vector<IndexPath> ListView::visibleIndexPaths() {
    updateIfNeeded();
    std::vector<IndexPath> indexPaths;
    for (const auto& [indexPath, cell] : cells_) {
        indexPaths.push_back(indexPath);
    }
    return indexPaths;
}

std::vector<std::shared_ptr<ReusableCell>> ListView::visibleCellsInOrder() {
    updateIfNeeded();
    std::vector<std::shared_ptr<ReusableCell>> cells;
    for (const auto& [indexPath, cell] : cells_) {
        cells.push_back(cell);
    }
    return cells;
}

void ListView::deselect(IndexPath indexPath, bool animated) {
    if (selected_ != indexPath) {
        return;
    }
    selected_.reset();
    auto cell = visibleCell(indexPath);
    if (!cell) {
        return;
    }
    if (animated) {
        transition(cell, deselectionFade, TransitionOption::crossDissolve,
                   [&cell] { cell->setSelected(false); });
    } else {
        cell->setSelected(false);
    }
}

// Touches

void ListView::touchesBegan(const Touch& touch) {
    auto keepAlive = weak_from_this().lock();
    pressLocation_ = touch.location;
    touched_ = true;
    updateIfNeeded();
    setPressed(indexPathAtPoint(touch.locationIn(*this)));
    if (isScrollEnabled()) {
        ScrollView::touchesBegan(touch);
    } else {
        Responder::touchesBegan(touch);
    }
}

void ListView::touchesMoved(const Touch& touch) {
    auto keepAlive = weak_from_this().lock();
    if (touch.location != pressLocation_) {
        setPressed(std::nullopt);
    }
    if (isScrollEnabled()) {
        ScrollView::touchesMoved(touch);
    } else {
        Responder::touchesMoved(touch);
    }
}

void ListView::touchesEnded(const Touch& touch) {
    auto keepAlive = weak_from_this().lock();
    auto pressed = pressed_;
    setPressed(std::nullopt);
    if (pressed && indexPathAtPoint(touch.locationIn(*this)) == pressed) {
        select(*pressed);
    }
    if (isScrollEnabled()) {
        ScrollView::touchesEnded(touch);
    } else {
        Responder::touchesEnded(touch);
    }
    endTouch();
}

void ListView::touchesCancelled(const Touch& touch) {
    auto keepAlive = weak_from_this().lock();
    setPressed(std::nullopt);
    if (isScrollEnabled()) {
        ScrollView::touchesCancelled(touch);
    } else {
        Responder::touchesCancelled(touch);
    }
    endTouch();
}

void ListView::endTouch() {
    if (touched_) {
        touched_ = false;
        didEndTouch();
    }
}

void ListView::setPressed(std::optional<IndexPath> pressed) {
    if (pressed == pressed_) {
        return;
    }
    if (auto old = std::exchange(pressed_, pressed)) {
        if (auto cell = visibleCell(*old)) {
            cell->setHighlighted(false);
        }
        didChangeHighlight(*old, false);
    }
    if (pressed) {
        if (auto cell = visibleCell(*pressed)) {
            cell->setHighlighted(true);
        }
        didChangeHighlight(*pressed, true);
    }
}

void ListView::select(IndexPath indexPath) {
    if (selected_ && *selected_ != indexPath) {
        deselect(*selected_, false);
    }
    selected_ = indexPath;
    if (auto cell = visibleCell(indexPath)) {
        cell->setSelected(true);
    }
    didSelectItem(indexPath);
}

}  // namespace kit
