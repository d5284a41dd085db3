#include "home/ContextMenuGridView.h"

#include "ui/extension.h"

std::shared_ptr<ContextMenuGridView> ContextMenuGridView::make(
    std::shared_ptr<kit::CollectionView> grid) {
    auto holder = std::make_shared<ContextMenuGridView>();
    holder->grid_ = std::move(grid);
    holder->addSubview(holder->grid_);
    extension::fill(*holder->grid_);
    return holder;
}

std::optional<kit::ContextMenuRequest> ContextMenuGridView::contextMenuRequestAt(kit::Point point) {
    auto found = grid_->contextMenuConfigurationAt(grid_->convertFromWindow(point));
    if (!found) {
        return std::nullopt;
    }
    kit::Rect item = grid_->frameForItem(found->first);
    return kit::ContextMenuRequest{found->second, {grid_->convertToWindow(item.origin), item.size}};
}
