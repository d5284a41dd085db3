#include "platform/kit/ViewController.h"

#include <cxxabi.h>
#include <algorithm>
#include <cstdlib>

#include "platform/kit/Window.h"

namespace kit {

ViewController::ViewController() : navigationItem_(std::make_shared<NavigationItem>()) {}

ViewController::~ViewController() = default;

const std::shared_ptr<View>& ViewController::view() {
    loadViewIfNeeded();
    return view_;
}

void ViewController::loadViewIfNeeded() {
    if (view_) {
        return;
    }
    // The item's owner hears of changes; the item must not keep its owner alive.
    std::weak_ptr<ViewController> weakSelf = sharedSelf(this);
    navigationItem_->setChangeHandler([weakSelf] {
        if (auto controller = weakSelf.lock()) {
            controller->itemsDidChange();
        }
    });
    loadView();
    if (!view_) {
        setView(std::make_shared<View>());
    }
    viewDidLoad();
}

void ViewController::loadView() {
    auto view = std::make_shared<View>(Screen::main().bounds());
    view->setBackgroundColor(Color::dynamic({1, 1, 1, 1}, {0, 0, 0, 1}));
    setView(std::move(view));
}

void ViewController::setView(std::shared_ptr<View> view) {
    view_ = std::move(view);
    if (view_) {
        view_->setOwningController(weak_from_this());
    }
}

void ViewController::setTitle(std::string title) {
    title_ = title;
    navigationItem_->setTitle(std::move(title));
}

void ViewController::setToolbarItems(std::vector<std::shared_ptr<BarButtonItem>> items, bool) {
    toolbar_ = std::move(items);
    itemsDidChange();
}

void ViewController::setTabBarItem(TabBarItem item) {
    tabBarItem_ = std::move(item);
    itemsDidChange();
}

void ViewController::itemsDidChange() {
    if (auto container = parent()) {
        container->childItemsDidChange(*this);
    }
}

void ViewController::addChild(const std::shared_ptr<ViewController>& child) {
    if (!child || child.get() == this) {
        return;
    }
    child->removeFromParent();
    child->parent_ = sharedSelf(this);
    children_.push_back(child);
}

void ViewController::removeFromParent() {
    auto container = parent();
    if (!container) {
        return;
    }
    auto keepAlive = sharedSelf(this);
    auto& siblings = container->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keepAlive), siblings.end());
    parent_.reset();
}

void ViewController::beginAppearance(bool animated) {
    if (isAppearing()) {
        return;
    }
    loadViewIfNeeded();
    appearance_ = Appearance::appearing;
    viewWillAppear(animated);
    for (const auto& child : childrenOnScreen()) {
        child->beginAppearance(animated);
    }
}

void ViewController::endAppearance(bool animated) {
    if (appearance_ != Appearance::appearing) {
        return;
    }
    appearance_ = Appearance::appeared;
    viewDidAppear(animated);
    for (const auto& child : childrenOnScreen()) {
        child->endAppearance(animated);
    }
}

void ViewController::beginDisappearance(bool animated) {
    if (!isAppearing()) {
        return;
    }
    appearance_ = Appearance::disappearing;
    viewWillDisappear(animated);
    for (const auto& child : childrenOnScreen()) {
        child->beginDisappearance(animated);
    }
}

void ViewController::endDisappearance(bool animated) {
    if (appearance_ != Appearance::disappearing) {
        return;
    }
    appearance_ = Appearance::disappeared;
    viewDidDisappear(animated);
    for (const auto& child : childrenOnScreen()) {
        child->endDisappearance(animated);
    }
}

std::shared_ptr<Responder> ViewController::nextResponder() const {
    if (auto container = parent()) {
        return container;
    }
    if (auto presenter = presenting_.lock()) {
        return presenter;
    }
    return view_ ? view_->window() : nullptr;
}

std::string ViewController::className() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : mangled;
    std::free(demangled);
    auto colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

}  // namespace kit
