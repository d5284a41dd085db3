#pragma once

#include <cstdint>
#include <memory>

#include "platform/kit/IndexPath.h"

namespace kit {

class CollectionView;
class CollectionViewCell;

// Tells a collection what it shows. Asked again after each reloadData.
class CollectionViewDataSource {
  public:
    virtual ~CollectionViewDataSource() = default;

    virtual std::int64_t numberOfSections(CollectionView& /*collectionView*/) { return 1; }
    virtual std::int64_t numberOfItems(CollectionView& collectionView, std::int64_t section) = 0;
    // Usually a cell from collectionView.dequeueReusableCell, configured for the item.
    virtual std::shared_ptr<CollectionViewCell> cellForItem(CollectionView& collectionView,
                                                            IndexPath indexPath) = 0;
};

}  // namespace kit
