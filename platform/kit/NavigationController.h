#pragma once

#include <memory>
#include <vector>

#include "platform/kit/NavigationBar.h"
#include "platform/kit/Toolbar.h"
#include "platform/kit/ViewController.h"

namespace kit {

class ScrollView;

// A stack of controllers: the top one's view fills the controller's view, under the
// navigation bar and, when shown, the bottom toolbar with the top controller's toolbar
// items. The bars add to the top controller's safe area. Pushing and popping tell the
// controllers that leave and enter the screen (viewWillAppear on each entry). The toolbar
// starts hidden. A push slides the new view in on the clock; the old one leaves at once.
class NavigationController : public ViewController {
  public:
    // Subclasses made with std::make_shared push their root before showing it.
    NavigationController() = default;
    static std::shared_ptr<NavigationController> make(std::shared_ptr<ViewController> root);

    const std::vector<std::shared_ptr<ViewController>>& viewControllers() const {
        return children();
    }
    std::shared_ptr<ViewController> topViewController() const;

    void pushViewController(const std::shared_ptr<ViewController>& controller, bool animated);
    // Returns the controller popped, or empty when only the root is left.
    std::shared_ptr<ViewController> popViewController(bool animated);
    void popToRootViewController(bool animated);

    const std::shared_ptr<NavigationBar>& navigationBar();
    const std::shared_ptr<Toolbar>& toolbar();
    bool isToolbarHidden() const { return toolbarHidden_; }
    void setToolbarHidden(bool hidden, bool animated = false);
    // Its own tab bar item if it has one, else its root controller's.
    TabBarItem displayedTabBarItem() const override;

  protected:
    void loadView() override;
    void viewDidLoad() override;
    void childItemsDidChange(const ViewController& child) override;
    std::vector<std::shared_ptr<ViewController>> childrenOnScreen() const override;

  private:
    class ContainerView;

    void showTop(const std::shared_ptr<ViewController>& leaving, bool animated, bool forward);
    void updateBars();
    void layoutContent();
    // The bar's frame, shortened as far as the top controller's content has collapsed its
    // large title.
    void layoutBar();
    void contentDidScroll(ScrollView& scrollView);

    std::shared_ptr<NavigationBar> bar_;
    std::shared_ptr<Toolbar> toolbar_;
    bool toolbarHidden_ = true;
};

}  // namespace kit
