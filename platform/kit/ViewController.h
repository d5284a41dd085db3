#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/kit/BarButtonItem.h"
#include "platform/kit/NavigationItem.h"
#include "platform/kit/Responder.h"
#include "platform/kit/TabBarItem.h"
#include "platform/kit/View.h"

namespace kit {

class NavigationController;
class PresentationView;
class TabBarController;

enum class ModalPresentationStyle { fullScreen, pageSheet, overFullScreen };
enum class ModalTransitionStyle { coverVertical, crossDissolve };

// Manages one screen: its view, loaded on first use, and what the bars show for it.
//
// The view is made by loadView (a plain view unless a subclass makes its own) and then
// viewDidLoad runs, once. viewWillAppear and viewDidAppear run on every appearance,
// viewWillDisappear and viewDidDisappear on every disappearance, in matched pairs.
//
// Presentation: present covers the screen with another controller (full screen, or as a
// sheet that a downward swipe on its grabber closes unless it is modal in presentation).
// A controller presents one controller at a time: a presentation while one is up is
// dropped and logged, never stacked, as the phone does. Transitions run on the main
// queue's clock: the model state changes at once, the completion runs when it ends.
//
// Responder chain: the root view, then this controller, then its parent, else the
// controller that presented it, else the window.
class ViewController : public Responder {
  public:
    using Completion = std::function<void()>;

    ViewController();
    ~ViewController() override;

    const std::shared_ptr<View>& view();
    std::shared_ptr<View> viewIfLoaded() const { return view_; }
    bool isViewLoaded() const { return view_ != nullptr; }
    void loadViewIfNeeded();

    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool /*animated*/) {}
    virtual void viewDidAppear(bool /*animated*/) {}
    virtual void viewWillDisappear(bool /*animated*/) {}
    virtual void viewDidDisappear(bool /*animated*/) {}
    // Whether the view is between its will-appear and will-disappear.
    bool isAppearing() const {
        return appearance_ == Appearance::appearing || appearance_ == Appearance::appeared;
    }

    const std::string& title() const { return title_; }
    // Also the navigation item's title, as on the phone.
    void setTitle(std::string title);
    NavigationItem& navigationItem() { return *navigationItem_; }
    const std::vector<std::shared_ptr<BarButtonItem>>& toolbarItems() const { return toolbar_; }
    void setToolbarItems(std::vector<std::shared_ptr<BarButtonItem>> items, bool animated = false);
    const TabBarItem& tabBarItem() const { return tabBarItem_; }
    void setTabBarItem(TabBarItem item);
    // The item a tab bar shows for this controller; containers may show a child's.
    virtual TabBarItem displayedTabBarItem() const { return tabBarItem_; }

    ModalPresentationStyle modalPresentationStyle() const { return presentationStyle_; }
    void setModalPresentationStyle(ModalPresentationStyle style) { presentationStyle_ = style; }
    ModalTransitionStyle modalTransitionStyle() const { return transitionStyle_; }
    void setModalTransitionStyle(ModalTransitionStyle style) { transitionStyle_ = style; }
    // A sheet that is modal in presentation cannot be swiped away.
    bool isModalInPresentation() const { return modalInPresentation_; }
    void setModalInPresentation(bool modal) { modalInPresentation_ = modal; }

    void present(const std::shared_ptr<ViewController>& controller, bool animated,
                 Completion completion = {});
    // Dismisses what this controller presented, or, when it presented nothing, itself.
    void dismiss(bool animated, Completion completion = {});
    std::shared_ptr<ViewController> presentedViewController() const;
    std::shared_ptr<ViewController> presentingViewController() const;
    // What a sheet's swipe calls: dismisses unless modal in presentation; true if it did.
    bool dismissBySwipe();

    // Containment, for container controllers.
    std::shared_ptr<ViewController> parent() const { return parent_.lock(); }
    const std::vector<std::shared_ptr<ViewController>>& children() const { return children_; }
    void addChild(const std::shared_ptr<ViewController>& child);
    void removeFromParent();
    // The nearest ancestor of a kind of container. A template, so that this base needs no
    // more than the containers' names: each use is compiled where the container is known.
    template <class Container>
    std::shared_ptr<Container> nearestAncestor() const {
        for (auto ancestor = parent(); ancestor; ancestor = ancestor->parent()) {
            if (auto found = std::dynamic_pointer_cast<Container>(ancestor)) {
                return found;
            }
        }
        return nullptr;
    }
    template <class Container = NavigationController>
    std::shared_ptr<Container> navigationController() const {
        return nearestAncestor<Container>();
    }
    template <class Container = TabBarController>
    std::shared_ptr<Container> tabBarController() const {
        return nearestAncestor<Container>();
    }

    // Appearance callbacks for containers and presentations; each call is skipped when the
    // controller is already in that state, so callbacks stay paired.
    void beginAppearance(bool animated);
    void endAppearance(bool animated);
    void beginDisappearance(bool animated);
    void endDisappearance(bool animated);

    std::shared_ptr<Responder> nextResponder() const override;

    // The name the log uses for this controller.
    virtual std::string className() const;

  protected:
    // Makes the view; a subclass that overrides it calls setView.
    virtual void loadView();
    void setView(std::shared_ptr<View> view);
    // Told when its bar items change; containers show them.
    virtual void childItemsDidChange(const ViewController& /*child*/) {}
    // Tells the parent that what the bars show for this controller changed.
    void itemsDidChange();
    // Containers pass appearance on to the children on screen.
    virtual std::vector<std::shared_ptr<ViewController>> childrenOnScreen() const { return {}; }

  private:
    friend class PresentationView;

    std::shared_ptr<ViewController> presentationHost();
    // Why `controller` cannot be presented on `host` now, as the log line says it.
    std::optional<std::string> refusalToPresent(const std::shared_ptr<ViewController>& host,
                                                const ViewController& controller) const;
    void finishDismissal(std::shared_ptr<PresentationView> container, bool animated,
                         Completion completion);

    std::shared_ptr<View> view_;
    std::string title_;
    std::shared_ptr<NavigationItem> navigationItem_;
    std::vector<std::shared_ptr<BarButtonItem>> toolbar_;
    TabBarItem tabBarItem_;
    std::weak_ptr<ViewController> parent_;
    std::vector<std::shared_ptr<ViewController>> children_;
    std::shared_ptr<ViewController> presented_;
    std::shared_ptr<PresentationView> presentedContainer_;
    std::weak_ptr<ViewController> presenting_;
    ModalPresentationStyle presentationStyle_ = ModalPresentationStyle::pageSheet;
    ModalTransitionStyle transitionStyle_ = ModalTransitionStyle::coverVertical;
    bool modalInPresentation_ = false;
    enum class Appearance { disappeared, appearing, appeared, disappearing };
    Appearance appearance_ = Appearance::disappeared;
};

}  // namespace kit
