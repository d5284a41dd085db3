#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/kit/CellReuseQueue.h"
#include "platform/kit/IndexPath.h"
#include "platform/kit/ReusableCell.h"
#include "platform/kit/ScrollView.h"

namespace kit {

// What table and collection views share.
//
// Only the items on screen have cells. As the content offset changes, the cells that left
// the screen go to the reuse queue and the data source is asked for cells for the items that
// came into view. After a change of size, and after reloadData, the same happens at the next
// layout or the next question about cells, whichever comes first; a reload first puts every
// cell aside, clears the selection and asks the data source for everything afresh. If the
// content then ends above the current offset, the list moves back to rest at its end.
//
// A list first laid out while at offset zero starts at the top of its content, inside the
// content inset.
//
// A tap highlights the item on touch down; when the finger lifts over the same item it is
// unhighlighted and then selected. A touch that moves is a scroll: the item is unhighlighted
// and not selected. With scrolling off, the touch goes on up the responder chain, so a list
// inside another scroll view lets that one scroll. One item at most is selected.
class ListView : public ScrollView {
  public:
    void reloadData();

    void setBounds(Rect bounds) override;
    void layoutSubviews() override;
    void touchesBegan(const Touch& touch) override;
    void touchesMoved(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;
    void touchesCancelled(const Touch& touch) override;

  protected:
    explicit ListView(Rect frame) : ScrollView(frame) {}

    // Asks the data source and delegate for counts and sizes afresh and lays the items out
    // at `width`; answers the height of the content.
    virtual double prepareItems(double width) = 0;
    // The items whose frames meet `rect`, in order.
    virtual std::vector<IndexPath> indexPathsInRect(Rect rect) const = 0;
    virtual std::optional<IndexPath> indexPathAtPoint(Point point) const = 0;
    virtual std::optional<Rect> frameOfItem(IndexPath indexPath) const = 0;
    virtual std::shared_ptr<ReusableCell> cellFromDataSource(IndexPath indexPath) = 0;
    // Stands in for a cell the data source failed to give.
    virtual std::shared_ptr<ReusableCell> makeEmptyCell() = 0;
    virtual void willDisplayCell(ReusableCell& /*cell*/, IndexPath /*indexPath*/) {}
    virtual void didChangeHighlight(IndexPath indexPath, bool highlighted) = 0;
    virtual void didSelectItem(IndexPath indexPath) = 0;
    // Called after the cells for `visible` are in place; a table places its headers here.
    virtual void didPlaceCells([[maybe_unused]] Rect visible) {}
    // Called when every cell has been put aside for a reload.
    virtual void didDiscardCells() {}
    // Called when a touch on the list has ended or was cancelled.
    virtual void didEndTouch() {}

    // Brings the cells up to date with the data, the size and the offset.
    void updateIfNeeded();
    // The items must be laid out again before the next use (the table's header changed).
    void setNeedsPrepareItems();

    std::shared_ptr<ReusableCell> visibleCell(IndexPath indexPath);
    std::optional<IndexPath> indexPathOfCell(const ReusableCell& cell);
    std::vector<IndexPath> visibleIndexPaths();
    std::vector<std::shared_ptr<ReusableCell>> visibleCellsInOrder();
    // The same, as the list's own cell class (every cell a list makes is of it).
    template <class Cell>
    std::vector<std::shared_ptr<Cell>> visibleCellsAs() {
        std::vector<std::shared_ptr<Cell>> cells;
        for (auto& cell : visibleCellsInOrder()) {
            cells.push_back(std::static_pointer_cast<Cell>(cell));
        }
        return cells;
    }
    std::optional<IndexPath> selectedIndexPath() const { return selected_; }
    // Between the start and the end of a touch on the list.
    bool isTouched() const { return touched_; }
    void deselect(IndexPath indexPath, bool animated);
    CellReuseQueue& reuseQueue() { return reuseQueue_; }

  private:
    void discardAllCells();
    void prepareItemsNow(double width);
    void placeCells();
    void placeNewCell(IndexPath indexPath, Rect frame);
    void recycle(const std::shared_ptr<ReusableCell>& cell);
    void setPressed(std::optional<IndexPath> pressed);
    void endTouch();
    void select(IndexPath indexPath);

    std::map<IndexPath, std::shared_ptr<ReusableCell>> cells_;
    CellReuseQueue reuseQueue_;
    std::optional<IndexPath> selected_;
    std::optional<IndexPath> pressed_;
    Point pressLocation_;
    std::optional<Rect> placedBounds_;
    std::optional<double> preparedWidth_;
    bool needsReload_ = true;
    bool updating_ = false;
    bool placedAtTop_ = false;
    bool touched_ = false;
};

}  // namespace kit
