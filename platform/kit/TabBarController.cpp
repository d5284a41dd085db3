#include "platform/kit/TabBarController.h"

#include "platform/kit/Screen.h"

namespace kit {

// Lays out the tab bar and the selected child whenever the container changes size.
class TabBarController::ContainerView final : public View {
  public:
    explicit ContainerView(std::weak_ptr<TabBarController> owner) : owner_(std::move(owner)) {}
    void layoutSubviews() override {
        if (auto owner = owner_.lock()) {
            owner->layoutContent();
        }
    }

  private:
    std::weak_ptr<TabBarController> owner_;
};

void TabBarController::loadView() {
    auto container = std::make_shared<ContainerView>(
        std::static_pointer_cast<TabBarController>(shared_from_this()));
    container->setFrame(Screen::main().bounds());
    setView(container);
}

void TabBarController::viewDidLoad() {
    view()->addSubview(tabBar());
    updateItems();
    showSelected(nullptr);
}

const std::shared_ptr<TabBar>& TabBarController::tabBar() {
    if (!tabBar_) {
        tabBar_ = TabBar::make();
        std::weak_ptr<TabBarController> weakSelf =
            std::static_pointer_cast<TabBarController>(shared_from_this());
        tabBar_->setSelectionHandler([weakSelf](std::size_t index) {
            if (auto self = weakSelf.lock()) {
                self->setSelectedIndex(index);
            }
        });
    }
    return tabBar_;
}

void TabBarController::setViewControllers(
    std::vector<std::shared_ptr<ViewController>> controllers) {
    auto leaving = selectedViewController();
    if (leaving && isAppearing()) {
        leaving->beginDisappearance(false);
        leaving->endDisappearance(false);
    }
    if (leaving && leaving->isViewLoaded()) {
        leaving->viewIfLoaded()->removeFromSuperview();
    }
    while (!children().empty()) {
        children().back()->removeFromParent();
    }
    for (const auto& controller : controllers) {
        addChild(controller);
    }
    selected_ = 0;
    if (isViewLoaded()) {
        updateItems();
        showSelected(nullptr);
    }
}

std::shared_ptr<ViewController> TabBarController::selectedViewController() const {
    return selected_ < children().size() ? children()[selected_] : nullptr;
}

void TabBarController::setSelectedIndex(std::size_t index) {
    if (index >= children().size() || index == selected_) {
        return;
    }
    auto leaving = selectedViewController();
    selected_ = index;
    if (isViewLoaded()) {
        showSelected(leaving);
    }
}

void TabBarController::showSelected(const std::shared_ptr<ViewController>& leaving) {
    tabBar()->setSelectedIndex(selected_);
    auto entering = selectedViewController();
    bool onScreen = isAppearing();
    if (leaving && onScreen) {
        leaving->beginDisappearance(false);
    }
    if (leaving && leaving->isViewLoaded()) {
        leaving->viewIfLoaded()->removeFromSuperview();
    }
    if (entering) {
        view()->insertSubview(entering->view(), 0);
        layoutContent();
        if (onScreen) {
            entering->beginAppearance(false);
        }
    }
    if (leaving && onScreen) {
        leaving->endDisappearance(false);
    }
    if (entering && onScreen) {
        entering->endAppearance(false);
    }
}

void TabBarController::childItemsDidChange(const ViewController&) {
    if (isViewLoaded()) {
        updateItems();
    }
}

void TabBarController::updateItems() {
    std::vector<TabBarItem> items;
    for (const auto& child : children()) {
        items.push_back(child->displayedTabBarItem());
    }
    tabBar()->setItems(items);
    tabBar()->setSelectedIndex(selected_);
}

void TabBarController::layoutContent() {
    auto container = viewIfLoaded();
    if (!container) {
        return;
    }
    Rect bounds = container->bounds();
    double bottom = container->safeAreaInsets().bottom;
    tabBar()->setFrame({0, bounds.height() - bottom - TabBar::barHeight, bounds.width(),
                        TabBar::barHeight + bottom});
    if (auto selected = selectedViewController()) {
        const auto& content = selected->view();
        content->setTranslatesAutoresizingMaskIntoConstraints(true);
        content->setFrame(bounds);
        content->setAdditionalSafeAreaInsets({0, 0, TabBar::barHeight, 0});
    }
}

std::vector<std::shared_ptr<ViewController>> TabBarController::childrenOnScreen() const {
    auto selected = selectedViewController();
    return selected ? std::vector<std::shared_ptr<ViewController>>{selected}
                    : std::vector<std::shared_ptr<ViewController>>{};
}

}  // namespace kit
