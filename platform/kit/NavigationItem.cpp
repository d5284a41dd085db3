#include "platform/kit/NavigationItem.h"

namespace kit {

namespace {

NavigationItem::Items single(std::shared_ptr<BarButtonItem> item) {
    NavigationItem::Items items;
    if (item) {
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

void NavigationItem::setTitle(std::string title) {
    title_ = std::move(title);
    didChange();
}

void NavigationItem::setLargeTitleDisplayMode(LargeTitleDisplayMode mode) {
    largeTitleMode_ = mode;
    didChange();
}

void NavigationItem::setLeftBarButtonItems(Items items) {
    left_ = std::move(items);
    didChange();
}

void NavigationItem::setLeftBarButtonItem(std::shared_ptr<BarButtonItem> item) {
    setLeftBarButtonItems(single(std::move(item)));
}

void NavigationItem::setRightBarButtonItems(Items items) {
    right_ = std::move(items);
    didChange();
}

void NavigationItem::setRightBarButtonItem(std::shared_ptr<BarButtonItem> item) {
    setRightBarButtonItems(single(std::move(item)));
}

void NavigationItem::didChange() const {
    if (changed_) {
        changed_();
    }
}

}  // namespace kit
