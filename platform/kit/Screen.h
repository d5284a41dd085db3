#pragma once

#include "platform/kit/Color.h"
#include "platform/kit/Geometry.h"

namespace kit {

// The device's screen: its size in points, the insets its notch, status bar and home
// indicator take, and the appearance the user chose. The host picks one at start-up.
class Screen final {
  public:
    // 390 x 844 with a notch: 47 points on top, 34 for the home indicator.
    static Screen notched();
    // 375 x 667 with a home button: the 20-point status bar only.
    static Screen classic();

    // The screen the app runs on; notched unless the host chose otherwise.
    static Screen& main();

    Rect bounds() const { return bounds_; }
    EdgeInsets safeAreaInsets() const { return safeAreaInsets_; }
    InterfaceStyle interfaceStyle() const { return interfaceStyle_; }
    void setInterfaceStyle(InterfaceStyle style) { interfaceStyle_ = style; }

  private:
    Screen(Rect bounds, EdgeInsets insets) : bounds_(bounds), safeAreaInsets_(insets) {}

    Rect bounds_;
    EdgeInsets safeAreaInsets_;
    InterfaceStyle interfaceStyle_ = InterfaceStyle::light;
};

}  // namespace kit
