#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/kit/Control.h"
#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/TabBarItem.h"
#include "platform/kit/View.h"
#include "platform/kit/VisualEffectView.h"

namespace kit {

// What a tab bar draws behind its items.
struct TabBarAppearance {
    bool opaqueBackground = true;
};

// The bar of tabs at the bottom of a tab bar controller: one button per item, a symbol over
// a small title, the selected one in the tint colour and the others grey. It extends down
// under the home indicator. Without a scroll-edge appearance it is transparent, as the
// phone's bar is while the content under it rests at its edge; the kit does not follow the
// content's scroll position, so the scroll-edge appearance is the one shown.
class TabBar final : public View {
  public:
    static constexpr double barHeight = 49;

    // The defaults every tab bar takes when it enters a window, unless set on the bar.
    struct Defaults {
        std::optional<Color> tintColor;
    };
    static Defaults& appearance();

    static std::shared_ptr<TabBar> make();

    void setItems(const std::vector<TabBarItem>& items);
    std::size_t itemCount() const { return buttons_.size(); }
    std::size_t selectedIndex() const { return selected_; }
    void setSelectedIndex(std::size_t index);
    // Told when a person taps a tab.
    void setSelectionHandler(std::function<void(std::size_t)> handler) {
        onSelect_ = std::move(handler);
    }
    const std::optional<TabBarAppearance>& scrollEdgeAppearance() const { return scrollEdge_; }
    void setScrollEdgeAppearance(std::optional<TabBarAppearance> appearance);
    const std::vector<std::shared_ptr<Control>>& buttons() const { return buttons_; }

    void layoutSubviews() override;
    void didMoveToWindow() override;
    void tintColorDidChange() override;

  private:
    void updateColors();

    std::shared_ptr<VisualEffectView> background_;
    std::shared_ptr<View> hairline_;
    std::vector<std::shared_ptr<Control>> buttons_;
    std::vector<std::shared_ptr<ImageView>> icons_;
    std::vector<std::shared_ptr<Label>> titles_;
    std::function<void(std::size_t)> onSelect_;
    std::optional<TabBarAppearance> scrollEdge_;
    std::size_t selected_ = 0;
};

}  // namespace kit
