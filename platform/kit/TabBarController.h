#pragma once

#include <memory>
#include <vector>

#include "platform/kit/TabBar.h"
#include "platform/kit/ViewController.h"

namespace kit {

// Tabs: one child controller on screen at a time, chosen by a tap on the tab bar or by
// index. The tab bar lies over the bottom of the selected child's view and adds to its
// safe area. Each child's tab bar item is read again whenever it changes.
class TabBarController : public ViewController {
  public:
    TabBarController() = default;

    const std::vector<std::shared_ptr<ViewController>>& viewControllers() const {
        return children();
    }
    void setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers);
    std::size_t selectedIndex() const { return selected_; }
    // An index past the last tab is ignored.
    void setSelectedIndex(std::size_t index);
    std::shared_ptr<ViewController> selectedViewController() const;
    const std::shared_ptr<TabBar>& tabBar();

  protected:
    void loadView() override;
    void viewDidLoad() override;
    void childItemsDidChange(const ViewController& child) override;
    std::vector<std::shared_ptr<ViewController>> childrenOnScreen() const override;

  private:
    class ContainerView;

    void showSelected(const std::shared_ptr<ViewController>& leaving);
    void updateItems();
    void layoutContent();

    std::shared_ptr<TabBar> tabBar_;
    std::size_t selected_ = 0;
};

}  // namespace kit
