#pragma once

#include <cstdint>
#include <optional>

#include "platform/kit/ContextMenuConfiguration.h"
#include "platform/kit/Geometry.h"
#include "platform/kit/IndexPath.h"
#include "platform/kit/ScrollViewDelegate.h"

namespace kit {

class CollectionView;

// Sizes a collection's items for its flow layout and hears of touches; every operation is
// optional. An empty answer means the flow layout's own value. It is also the collection's
// scroll-view delegate.
class CollectionViewDelegate : public ScrollViewDelegate {
  public:
    virtual std::optional<Size> sizeForItem(CollectionView& /*collectionView*/,
                                            IndexPath /*indexPath*/) {
        return std::nullopt;
    }
    virtual std::optional<EdgeInsets> insetForSection(CollectionView& /*collectionView*/,
                                                      std::int64_t /*section*/) {
        return std::nullopt;
    }
    virtual std::optional<double> minimumInteritemSpacing(CollectionView& /*collectionView*/,
                                                          std::int64_t /*section*/) {
        return std::nullopt;
    }
    virtual std::optional<double> minimumLineSpacing(CollectionView& /*collectionView*/,
                                                     std::int64_t /*section*/) {
        return std::nullopt;
    }

    virtual void didHighlightItem(CollectionView& /*collectionView*/, IndexPath /*indexPath*/) {}
    virtual void didUnhighlightItem(CollectionView& /*collectionView*/, IndexPath /*indexPath*/) {}
    virtual void didSelectItem(CollectionView& /*collectionView*/, IndexPath /*indexPath*/) {}

    // The menu a long press on the item brings up, or none for no menu. `point` is where
    // the press is, in the collection's coordinates.
    virtual std::optional<ContextMenuConfiguration> contextMenuConfigurationForItem(
        CollectionView& /*collectionView*/, IndexPath /*indexPath*/, Point /*point*/) {
        return std::nullopt;
    }
};

}  // namespace kit
