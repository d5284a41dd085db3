#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/kit/BarButtonItem.h"

namespace kit {

enum class LargeTitleDisplayMode { automatic, always, never };

// What a controller shows in the navigation bar while it is on top: its title and the bar
// button items at each end, listed from the outer edge inwards. The bar that shows it is
// told of every change.
class NavigationItem final {
  public:
    using Items = std::vector<std::shared_ptr<BarButtonItem>>;

    const std::string& title() const { return title_; }
    void setTitle(std::string title);
    LargeTitleDisplayMode largeTitleDisplayMode() const { return largeTitleMode_; }
    void setLargeTitleDisplayMode(LargeTitleDisplayMode mode);

    const Items& leftBarButtonItems() const { return left_; }
    void setLeftBarButtonItems(Items items);
    void setLeftBarButtonItem(std::shared_ptr<BarButtonItem> item);
    const Items& rightBarButtonItems() const { return right_; }
    void setRightBarButtonItems(Items items);
    void setRightBarButtonItem(std::shared_ptr<BarButtonItem> item);

    // Set by the controller that owns the item; called after each change.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

  private:
    void didChange() const;

    std::string title_;
    LargeTitleDisplayMode largeTitleMode_ = LargeTitleDisplayMode::automatic;
    Items left_;
    Items right_;
    std::function<void()> changed_;
};

}  // namespace kit
