#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/kit/Button.h"
#include "platform/kit/ContextMenuSource.h"
#include "platform/kit/Menu.h"
#include "platform/kit/View.h"

namespace kit {

class Window;

// A context menu on screen, brought up by a long press on a view that is a ContextMenuSource
// (a collection view's item): the screen dimmed, a picture of the pressed item (or the
// preview the configuration provides) in the item's place above it, and the menu's panel
// beside it, below the item when there is room. Tapping an action dismisses the menu and then
// runs its handler; tapping anywhere else dismisses it. It covers the window, so nothing under
// it can be touched while it is up.
class ContextMenuView final : public View {
  public:
    static constexpr double menuWidth = 250;
    static constexpr double rowHeight = 44;
    static constexpr double fadeDuration = 0.2;

    // Shows the menu for the long press at `point` in `window`, if a view there offers one.
    static std::shared_ptr<ContextMenuView> presentAt(const std::shared_ptr<Window>& window,
                                                      Point point);
    static std::shared_ptr<ContextMenuView> present(const std::shared_ptr<Window>& window,
                                                    const ContextMenuRequest& request);
    // The menu on screen in `window`, if any.
    static std::shared_ptr<ContextMenuView> showing(const Window& window);

    const Menu& menu() const { return menu_; }
    const std::vector<std::shared_ptr<Button>>& actionButtons() const { return buttons_; }
    std::shared_ptr<View> panelView() const { return panel_; }
    bool isDismissing() const { return dismissing_; }
    void dismiss(std::function<void()> then = {});

    void layoutSubviews() override;
    void touchesEnded(const Touch& touch) override;

  private:
    void build(const ContextMenuRequest& request);
    void addRow(std::size_t index);

    Menu menu_;
    Rect source_;
    std::shared_ptr<View> dimming_;
    std::shared_ptr<View> preview_;
    std::shared_ptr<View> panel_;
    std::shared_ptr<View> titleLabel_;
    std::vector<std::shared_ptr<Button>> buttons_;
    bool dismissing_ = false;
};

}  // namespace kit
