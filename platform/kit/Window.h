#pragma once

#include <memory>
#include <optional>

#include "platform/kit/Screen.h"
#include "platform/kit/View.h"

namespace kit {

// The view at the top of the hierarchy: it fills its screen, resolves dynamic colours by
// its interface style, hands touches to the view they began on, and keeps the first
// responder. Its next responder is the application. Like the phone's, a new window is
// hidden, and so takes no touches, until it is made key and visible.
class ViewController;

class Window final : public View {
  public:
    explicit Window(Screen screen = Screen::main());

    const Screen& screen() const { return screen_; }

    std::shared_ptr<View> rootView() const { return rootView_; }
    // The root view fills the window and is positioned by its frame.
    void setRootView(std::shared_ptr<View> view);

    // The controller whose view is the root view; it appears when the window is shown.
    const std::shared_ptr<ViewController>& rootViewController() const { return rootController_; }
    void setRootViewController(std::shared_ptr<ViewController> controller);

    void makeKeyAndVisible();
    bool isKeyWindow() const { return key_; }

    // The window's own style, or the screen's when none was set.
    InterfaceStyle interfaceStyle() const;
    void setOverrideInterfaceStyle(std::optional<InterfaceStyle> style);

    EdgeInsets windowSafeAreaInsets() const { return screen_.safeAreaInsets(); }

    std::shared_ptr<View> firstResponder() const { return firstResponder_.lock(); }
    // Makes `view` the first responder once the old one has agreed to resign.
    bool makeFirstResponder(const std::shared_ptr<View>& view);
    // Forgets `view` as first responder, without asking it anything: it is resigning.
    void dropFirstResponder(const View& view);
    // The bar a text field shows over the keyboard while it is the first responder; the
    // window shows it at its bottom edge.
    const std::shared_ptr<View>& inputAccessory() const { return inputAccessory_; }

    // The host's input: a touch begins where hit testing says, and every later phase
    // goes to the same view. Returns the view the touch went to, if any.
    std::shared_ptr<View> sendTouch(TouchPhase phase, Point location);

    void setApplication(std::weak_ptr<Responder> application);
    std::shared_ptr<Responder> nextResponder() const override;
    std::shared_ptr<Window> window() const override;

  private:
    static constexpr double defaultAccessoryHeight = 44;
    void updateInputAccessory();

    Screen screen_;
    std::shared_ptr<View> rootView_;
    std::shared_ptr<ViewController> rootController_;
    std::weak_ptr<View> firstResponder_;
    std::weak_ptr<Responder> application_;
    std::shared_ptr<View> touchView_;
    std::shared_ptr<View> inputAccessory_;
    Touch touch_;
    std::optional<InterfaceStyle> overrideStyle_;
    bool key_ = false;
};

}  // namespace kit
