#pragma once

#include <memory>
#include <optional>

#include "platform/kit/CollectionView.h"
#include "platform/kit/ContextMenuSource.h"
#include "platform/kit/View.h"

// Holds a grid and answers a long press anywhere on it with the menu of the item under the
// finger, which the grid itself does not offer to the window.
class ContextMenuGridView final : public kit::View, public kit::ContextMenuSource {
  public:
    static std::shared_ptr<ContextMenuGridView> make(std::shared_ptr<kit::CollectionView> grid);

    std::optional<kit::ContextMenuRequest> contextMenuRequestAt(kit::Point point) override;

  private:
    std::shared_ptr<kit::CollectionView> grid_;
};
