#pragma once

#include <functional>
#include <memory>

#include "platform/kit/View.h"
#include "platform/kit/ViewController.h"

namespace kit {

// Holds a presented controller's view above everything under it in the window, and takes
// every touch that falls outside that view, so nothing under a presentation can be touched.
// Full screen: the view fills the window. Sheet: the view sits on a panel with rounded top
// corners over a dimmed screen; a downward swipe on the panel's top strip closes it,
// unless the controller is modal in presentation.
class PresentationView final : public View {
  public:
    // How long a presentation or dismissal takes on the main queue's clock.
    static constexpr double transitionDuration = 0.3;
    // A swipe this far down the sheet's top strip closes the sheet.
    static constexpr double swipeDistance = 60;
    static constexpr double grabberStripHeight = 24;

    static std::shared_ptr<PresentationView> make(const std::shared_ptr<ViewController>& controller,
                                                  Rect bounds);

    ModalPresentationStyle style() const { return style_; }
    std::shared_ptr<ViewController> controller() const { return controller_.lock(); }
    // The sheet's panel, or empty for a full-screen presentation.
    const std::shared_ptr<View>& sheetView() const { return sheet_; }

    void animateIn(ModalTransitionStyle transition);
    // Fades or slides out; the model alpha is 0 at once, and the view leaves the window when
    // the transition ends.
    void animateOut(ModalTransitionStyle transition, std::function<void()> completion);

    void layoutSubviews() override;
    std::shared_ptr<View> hitTest(Point point) override;
    void touchesBegan(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;

  private:
    std::shared_ptr<View> movingView() const;

    std::weak_ptr<ViewController> controller_;
    ModalPresentationStyle style_ = ModalPresentationStyle::fullScreen;
    std::shared_ptr<View> dimming_;
    std::shared_ptr<View> sheet_;
    std::shared_ptr<View> grabber_;
    double swipeStartY_ = 0;
};

}  // namespace kit
