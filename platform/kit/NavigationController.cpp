#include "platform/kit/NavigationController.h"

#include "platform/kit/ScrollView.h"
#include "platform/kit/Window.h"

namespace kit {

// Lays out the bars and the top controller's view whenever the container changes size.
class NavigationController::ContainerView final : public View {
  public:
    explicit ContainerView(std::weak_ptr<NavigationController> owner) : owner_(std::move(owner)) {}
    void layoutSubviews() override {
        if (auto owner = owner_.lock()) {
            owner->layoutContent();
        }
    }
    void descendantDidScroll(ScrollView& scrollView) override {
        if (auto owner = owner_.lock()) {
            owner->contentDidScroll(scrollView);
        }
        View::descendantDidScroll(scrollView);
    }

  private:
    std::weak_ptr<NavigationController> owner_;
};

namespace {

constexpr double pushDuration = 0.35;

// The scroll view a large title follows: the top controller's view itself, or the first one
// inside it.
std::shared_ptr<ScrollView> firstScrollView(const std::shared_ptr<View>& view) {
    if (auto scrollView = std::dynamic_pointer_cast<ScrollView>(view)) {
        return scrollView;
    }
    for (const auto& subview : view->subviews()) {
        if (auto found = firstScrollView(subview)) {
            return found;
        }
    }
    return nullptr;
}

// How far content has scrolled up from its resting place.
double scrolledUp(const ScrollView& scrollView) {
    return scrollView.contentOffset().y - scrollView.minimumContentOffset().y;
}

}  // namespace

std::shared_ptr<NavigationController> NavigationController::make(
    std::shared_ptr<ViewController> root) {
    auto navigation = std::make_shared<NavigationController>();
    if (root) {
        navigation->addChild(root);
    }
    return navigation;
}

std::shared_ptr<ViewController> NavigationController::topViewController() const {
    return children().empty() ? nullptr : children().back();
}

void NavigationController::loadView() {
    auto container = std::make_shared<ContainerView>(
        std::static_pointer_cast<NavigationController>(shared_from_this()));
    container->setFrame(Screen::main().bounds());
    container->setBackgroundColor(Color::dynamic({1, 1, 1, 1}, {0, 0, 0, 1}));
    setView(container);
}

void NavigationController::viewDidLoad() {
    const auto& container = view();
    container->addSubview(navigationBar());
    toolbar()->setHidden(toolbarHidden_);
    container->addSubview(toolbar());
    if (auto top = topViewController()) {
        container->insertSubview(top->view(), 0);
    }
    updateBars();
}

const std::shared_ptr<NavigationBar>& NavigationController::navigationBar() {
    if (!bar_) {
        bar_ = NavigationBar::make();
    }
    return bar_;
}

const std::shared_ptr<Toolbar>& NavigationController::toolbar() {
    if (!toolbar_) {
        toolbar_ = Toolbar::make();
    }
    return toolbar_;
}

void NavigationController::pushViewController(const std::shared_ptr<ViewController>& controller,
                                              bool animated) {
    if (!controller || controller->parent().get() == this ||
        controller->presentingViewController()) {
        return;
    }
    auto leaving = topViewController();
    addChild(controller);
    showTop(leaving, animated, true);
}

std::shared_ptr<ViewController> NavigationController::popViewController(bool animated) {
    if (children().size() < 2) {
        return nullptr;
    }
    auto leaving = topViewController();
    leaving->removeFromParent();
    showTop(leaving, animated, false);
    return leaving;
}

void NavigationController::popToRootViewController(bool animated) {
    if (children().size() < 2) {
        return;
    }
    auto leaving = topViewController();
    while (children().size() > 1) {
        topViewController()->removeFromParent();
    }
    showTop(leaving, animated, false);
}

void NavigationController::showTop(const std::shared_ptr<ViewController>& leaving, bool animated,
                                   bool forward) {
    auto entering = topViewController();
    if (!isViewLoaded()) {
        return;
    }
    bool onScreen = isAppearing();
    if (leaving && onScreen) {
        leaving->beginDisappearance(animated);
    }
    if (leaving) {
        leaving->viewIfLoaded()->removeFromSuperview();
    }
    view()->insertSubview(entering->view(), 0);
    if (onScreen) {
        entering->beginAppearance(animated);
    }
    updateBars();
    layoutContent();
    if (animated && forward) {
        double width = view()->bounds().width();
        const auto& moving = entering->view();
        View::performWithoutAnimation(
            [&] { moving->setTransform(AffineTransform::translation(width, 0)); });
        View::animate(pushDuration, [&] { moving->setTransform(AffineTransform::identity()); });
    }
    if (onScreen) {
        if (leaving) {
            leaving->endDisappearance(animated);
        }
        entering->endAppearance(animated);
    }
}

void NavigationController::childItemsDidChange(const ViewController& child) {
    if (&child == topViewController().get() && isViewLoaded()) {
        updateBars();
    }
    if (!children().empty() && &child == children().front().get()) {
        itemsDidChange();
    }
}

TabBarItem NavigationController::displayedTabBarItem() const {
    const auto& own = tabBarItem();
    if (!own.title.empty() || own.image || children().empty()) {
        return own;
    }
    return children().front()->displayedTabBarItem();
}

void NavigationController::setToolbarHidden(bool hidden, bool) {
    if (toolbarHidden_ == hidden) {
        return;
    }
    toolbarHidden_ = hidden;
    toolbar()->setHidden(hidden);
    if (isViewLoaded()) {
        layoutContent();
    }
}

void NavigationController::updateBars() {
    auto top = topViewController();
    if (!top) {
        return;
    }
    std::optional<std::string> backTitle;
    if (children().size() > 1 && top->navigationItem().leftBarButtonItems().empty()) {
        const auto& previous = children()[children().size() - 2]->navigationItem().title();
        backTitle = previous.empty() ? "Back" : previous;
    }
    std::weak_ptr<NavigationController> weakSelf =
        std::static_pointer_cast<NavigationController>(shared_from_this());
    navigationBar()->show(top->navigationItem(), backTitle, top, [weakSelf] {
        if (auto self = weakSelf.lock()) {
            self->popViewController(true);
        }
    });
    toolbar()->setItems(top->toolbarItems(), top);
    view()->setNeedsLayout();
}

void NavigationController::layoutContent() {
    auto container = viewIfLoaded();
    auto top = topViewController();
    if (!container || !top) {
        return;
    }
    Rect bounds = container->bounds();
    EdgeInsets safe = container->safeAreaInsets();
    layoutBar();
    double toolbarHeight = toolbarHidden_ ? 0 : Toolbar::barHeight;
    toolbar()->setFrame({0, bounds.height() - safe.bottom - Toolbar::barHeight, bounds.width(),
                         Toolbar::barHeight + safe.bottom});
    const auto& content = top->view();
    content->setTranslatesAutoresizingMaskIntoConstraints(true);
    content->setFrame(bounds);
    content->setAdditionalSafeAreaInsets({navigationBar()->contentHeight(), 0, toolbarHeight, 0});
}

void NavigationController::layoutBar() {
    auto container = viewIfLoaded();
    auto top = topViewController();
    if (!container || !top) {
        return;
    }
    auto scrollView = navigationBar()->showsLargeTitle() ? firstScrollView(top->view()) : nullptr;
    navigationBar()->setLargeTitleCollapse(scrollView ? scrolledUp(*scrollView) : 0);
    navigationBar()->setFrame({0, 0, container->bounds().width(),
                               container->safeAreaInsets().top + navigationBar()->visibleHeight()});
}

void NavigationController::contentDidScroll(ScrollView& scrollView) {
    auto top = topViewController();
    if (navigationBar()->showsLargeTitle() && top && top->isViewLoaded() &&
        firstScrollView(top->view()).get() == &scrollView) {
        layoutBar();
    }
}

std::vector<std::shared_ptr<ViewController>> NavigationController::childrenOnScreen() const {
    auto top = topViewController();
    return top ? std::vector<std::shared_ptr<ViewController>>{top}
               : std::vector<std::shared_ptr<ViewController>>{};
}

}  // namespace kit
