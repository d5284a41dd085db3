#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/kit/CollectionViewCell.h"
#include "platform/kit/CollectionViewDataSource.h"
#include "platform/kit/CollectionViewDelegate.h"
#include "platform/kit/CollectionViewFlowLayout.h"
#include "platform/kit/ContextMenuConfiguration.h"
#include "platform/kit/ContextMenuSource.h"
#include "platform/kit/ListView.h"

namespace kit {

// A grid of items in sections, placed by a vertical flow layout whose sizes, insets and
// spacings the delegate (weak) may answer per item and per section. The data source
// (weak) tells the counts and gives the cells. Cells exist only for the items on screen
// (see ListView); the layout is worked out again after reloadData and whenever the width
// changes.
class CollectionView final : public ListView, public ContextMenuSource {
  public:
    using CellFactory = std::function<std::shared_ptr<CollectionViewCell>()>;

    CollectionView(Rect frame, std::shared_ptr<CollectionViewFlowLayout> layout);

    const std::shared_ptr<CollectionViewFlowLayout>& collectionViewLayout() const {
        return layout_;
    }

    std::shared_ptr<CollectionViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setDataSource(std::weak_ptr<CollectionViewDataSource> dataSource);
    // The delegate is also told of scrolling.
    std::shared_ptr<CollectionViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<CollectionViewDelegate> delegate);

    void registerCell(const std::string& identifier, CellFactory factory);
    // A cell put aside under `identifier`, else a new registered one. Without a
    // registration a plain cell stands in (and the mistake is logged).
    std::shared_ptr<CollectionViewCell> dequeueReusableCell(const std::string& identifier,
                                                            IndexPath indexPath);

    std::int64_t numberOfSections();
    std::int64_t numberOfItems(std::int64_t section);
    // In content coordinates; an empty rectangle for an item the collection does not have.
    Rect frameForItem(IndexPath indexPath);
    // `point` in the collection's own (content) coordinates; none between items.
    std::optional<IndexPath> indexPathForItem(Point point);

    // The cell of an item on screen, else none.
    std::shared_ptr<CollectionViewCell> cellForItem(IndexPath indexPath);
    std::optional<IndexPath> indexPathForCell(const CollectionViewCell& cell);
    std::vector<std::shared_ptr<CollectionViewCell>> visibleCells();
    std::vector<IndexPath> indexPathsForVisibleItems();

    std::optional<IndexPath> indexPathForSelectedItem() const { return selectedIndexPath(); }
    void deselectItem(IndexPath indexPath, bool animated) { deselect(indexPath, animated); }

    // What a long press at `point` (in the collection's own coordinates) brings up: the
    // item under it and the delegate's menu for it; none between items or when the
    // delegate offers no menu.
    std::optional<std::pair<IndexPath, ContextMenuConfiguration>> contextMenuConfigurationAt(
        Point point);
    // The same for a long press at `point` in window coordinates.
    std::optional<ContextMenuRequest> contextMenuRequestAt(Point point) override;

  private:
    double prepareItems(double width) override;
    std::vector<IndexPath> indexPathsInRect(Rect rect) const override;
    std::optional<IndexPath> indexPathAtPoint(Point point) const override;
    std::optional<Rect> frameOfItem(IndexPath indexPath) const override;
    std::shared_ptr<ReusableCell> cellFromDataSource(IndexPath indexPath) override;
    std::shared_ptr<ReusableCell> makeEmptyCell() override;
    void didChangeHighlight(IndexPath indexPath, bool highlighted) override;
    void didSelectItem(IndexPath indexPath) override;

    CollectionViewFlowLayout::Section sectionFromSources(CollectionViewDataSource& source,
                                                         std::int64_t section);

    std::shared_ptr<CollectionViewFlowLayout> layout_;
    std::weak_ptr<CollectionViewDataSource> dataSource_;
    std::weak_ptr<CollectionViewDelegate> delegate_;
    CollectionViewFlowLayout::Result frames_;
};

}  // namespace kit
