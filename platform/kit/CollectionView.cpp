#include "platform/kit/CollectionView.h"

#include <algorithm>

#include "platform/foundation/Log.h"

namespace kit {

namespace {

bool meets(Rect a, Rect b) {
    return a.minX() < b.maxX() && b.minX() < a.maxX() && a.minY() < b.maxY() && b.minY() < a.maxY();
}

}  // namespace

CollectionView::CollectionView(Rect frame, std::shared_ptr<CollectionViewFlowLayout> layout)
    : ListView(frame),
      layout_(layout ? std::move(layout) : std::make_shared<CollectionViewFlowLayout>()) {}

void CollectionView::setDataSource(std::weak_ptr<CollectionViewDataSource> dataSource) {
    dataSource_ = std::move(dataSource);
    reloadData();
}

void CollectionView::setDelegate(std::weak_ptr<CollectionViewDelegate> delegate) {
    delegate_ = delegate;
    ScrollView::setDelegate(std::move(delegate));
    setNeedsPrepareItems();
}

void CollectionView::registerCell(const std::string& identifier, CellFactory factory) {
    if (!factory) {
        reuseQueue().registerFactory(identifier, nullptr);
        return;
    }
    reuseQueue().registerFactory(
        identifier,
        [factory = std::move(factory)]() -> std::shared_ptr<ReusableCell> { return factory(); });
}

// Only collection cells ever enter this collection's queue: registered ones and those it
// showed.
std::shared_ptr<CollectionViewCell> CollectionView::dequeueReusableCell(
    const std::string& identifier, IndexPath) {
    if (auto cell = reuseQueue().dequeue(identifier)) {
        return std::static_pointer_cast<CollectionViewCell>(cell);
    }
    foundation::Log::write("No collection cell is registered for the reuse identifier \"" +
                           identifier + "\"; a plain cell stands in.");
    return CollectionViewCell::make(identifier);
}

std::int64_t CollectionView::numberOfSections() {
    updateIfNeeded();
    return static_cast<std::int64_t>(frames_.frames.size());
}

std::int64_t CollectionView::numberOfItems(std::int64_t section) {
    updateIfNeeded();
    if (section < 0 || section >= static_cast<std::int64_t>(frames_.frames.size())) {
        return 0;
    }
    return static_cast<std::int64_t>(frames_.frames[static_cast<std::size_t>(section)].size());
}

Rect CollectionView::frameForItem(IndexPath indexPath) {
    updateIfNeeded();
    return frameOfItem(indexPath).value_or(Rect{});
}

std::optional<IndexPath> CollectionView::indexPathForItem(Point point) {
    updateIfNeeded();
    return indexPathAtPoint(point);
}

std::shared_ptr<CollectionViewCell> CollectionView::cellForItem(IndexPath indexPath) {
    return std::static_pointer_cast<CollectionViewCell>(visibleCell(indexPath));
}

std::optional<IndexPath> CollectionView::indexPathForCell(const CollectionViewCell& cell) {
    return indexPathOfCell(cell);
}

std::vector<std::shared_ptr<CollectionViewCell>> CollectionView::visibleCells() {
    return visibleCellsAs<CollectionViewCell>();
}

std::vector<IndexPath> CollectionView::indexPathsForVisibleItems() {
    return visibleIndexPaths();
}

std::optional<std::pair<IndexPath, ContextMenuConfiguration>>
CollectionView::contextMenuConfigurationAt(Point point) {
    auto indexPath = indexPathForItem(point);
    auto delegate = this->delegate();
    if (!indexPath || !delegate) {
        return std::nullopt;
    }
    auto configuration = delegate->contextMenuConfigurationForItem(*this, *indexPath, point);
    if (!configuration) {
        return std::nullopt;
    }
    return std::make_pair(*indexPath, std::move(*configuration));
}

double CollectionView::prepareItems(double width) {
    std::vector<CollectionViewFlowLayout::Section> sections;
    if (auto source = dataSource()) {
        std::int64_t count = std::max<std::int64_t>(0, source->numberOfSections(*this));
        for (std::int64_t section = 0; section < count; ++section) {
            sections.push_back(sectionFromSources(*source, section));
        }
    }
    frames_ = CollectionViewFlowLayout::layout(sections, width);
    return frames_.contentHeight;
}

CollectionViewFlowLayout::Section CollectionView::sectionFromSources(
    CollectionViewDataSource& source, std::int64_t section) {
    auto delegate = this->delegate();
    CollectionViewFlowLayout::Section result;
    result.insets = layout_->sectionInset();
    result.minimumInteritemSpacing = layout_->minimumInteritemSpacing();
    result.minimumLineSpacing = layout_->minimumLineSpacing();
    if (delegate) {
        result.insets = delegate->insetForSection(*this, section).value_or(result.insets);
        result.minimumInteritemSpacing = delegate->minimumInteritemSpacing(*this, section)
                                             .value_or(result.minimumInteritemSpacing);
        result.minimumLineSpacing =
            delegate->minimumLineSpacing(*this, section).value_or(result.minimumLineSpacing);
    }
    std::int64_t items = std::max<std::int64_t>(0, source.numberOfItems(*this, section));
    result.itemSizes.reserve(static_cast<std::size_t>(items));
    for (std::int64_t item = 0; item < items; ++item) {
        auto size = delegate ? delegate->sizeForItem(*this, {section, item}) : std::nullopt;
        result.itemSizes.push_back(size.value_or(layout_->itemSize()));
    }
    return result;
}

std::vector<IndexPath> CollectionView::indexPathsInRect(Rect rect) const {
    std::vector<IndexPath> indexPaths;
    for (std::size_t section = 0; section < frames_.frames.size(); ++section) {
        const auto& frames = frames_.frames[section];
        for (std::size_t item = 0; item < frames.size(); ++item) {
            if (meets(frames[item], rect)) {
                indexPaths.push_back(
                    {static_cast<std::int64_t>(section), static_cast<std::int64_t>(item)});
            }
        }
    }
    return indexPaths;
}

std::optional<IndexPath> CollectionView::indexPathAtPoint(Point point) const {
    for (std::size_t section = 0; section < frames_.frames.size(); ++section) {
        const auto& frames = frames_.frames[section];
        for (std::size_t item = 0; item < frames.size(); ++item) {
            if (frames[item].contains(point)) {
                return IndexPath{static_cast<std::int64_t>(section),
                                 static_cast<std::int64_t>(item)};
            }
        }
    }
    return std::nullopt;
}

std::optional<Rect> CollectionView::frameOfItem(IndexPath indexPath) const {
    if (indexPath.section < 0 || indexPath.row < 0 ||
        indexPath.section >= static_cast<std::int64_t>(frames_.frames.size())) {
        return std::nullopt;
    }
    const auto& frames = frames_.frames[static_cast<std::size_t>(indexPath.section)];
    if (indexPath.row >= static_cast<std::int64_t>(frames.size())) {
        return std::nullopt;
    }
    return frames[static_cast<std::size_t>(indexPath.row)];
}

std::shared_ptr<ReusableCell> CollectionView::cellFromDataSource(IndexPath indexPath) {
    auto source = dataSource();
    return source ? source->cellForItem(*this, indexPath) : nullptr;
}

std::shared_ptr<ReusableCell> CollectionView::makeEmptyCell() {
    return CollectionViewCell::make();
}

void CollectionView::didChangeHighlight(IndexPath indexPath, bool highlighted) {
    if (auto delegate = this->delegate()) {
        if (highlighted) {
            delegate->didHighlightItem(*this, indexPath);
        } else {
            delegate->didUnhighlightItem(*this, indexPath);
        }
    }
}

void CollectionView::didSelectItem(IndexPath indexPath) {
    if (auto delegate = this->delegate()) {
        delegate->didSelectItem(*this, indexPath);
    }
}

std::optional<ContextMenuRequest> CollectionView::contextMenuRequestAt(Point point) {
    auto found = contextMenuConfigurationAt(convertFromWindow(point));
    if (!found) {
        return std::nullopt;
    }
    Rect item = frameForItem(found->first);
    auto cell = cellForItem(found->first);
    return ContextMenuRequest{found->second,
                              {convertToWindow(item.origin), item.size},
                              cell ? ContentsSnapshot::capture(*cell) : nullptr};
}

}  // namespace kit
