#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/kit/Button.h"
#include "platform/kit/Label.h"
#include "platform/kit/NavigationItem.h"
#include "platform/kit/View.h"
#include "platform/kit/VisualEffectView.h"

namespace kit {

// The bar at the top of a navigation controller: the top controller's title (small in the
// bar, or large under it) and its bar button items, with a back button when there is a
// controller to go back to and the item has no left items. It extends up under the status
// bar. Its background is a blur with a hairline shadow; a transparent bar draws neither.
// A large title collapses as the content under it scrolls up: it slides under the bar's top
// row, and the small title takes over once it is gone.
class NavigationBar final : public View {
  public:
    static constexpr double barHeight = 44;
    static constexpr double largeTitleHeight = 52;

    static std::shared_ptr<NavigationBar> make();

    bool prefersLargeTitles() const { return prefersLargeTitles_; }
    void setPrefersLargeTitles(bool prefers);
    bool isBackgroundTransparent() const { return transparent_; }
    // No background and no shadow: what lies under the bar shows through.
    void setBackgroundTransparent(bool transparent);
    bool isShadowHidden() const { return shadowHidden_; }
    void setShadowHidden(bool hidden);

    // Shows `item`; `backTitle` asks for a back button; `fallback` starts the chain for
    // items without a target.
    void show(const NavigationItem& item, std::optional<std::string> backTitle,
              std::weak_ptr<Responder> fallback, std::function<void()> back);
    bool showsLargeTitle() const { return showsLarge_; }
    // The height below the status bar with the large title out, which the content under the
    // bar keeps as its inset, and the height it shows now.
    double contentHeight() const { return barHeight + (showsLarge_ ? largeTitleHeight : 0); }
    double visibleHeight() const { return contentHeight() - (showsLarge_ ? collapse_ : 0); }
    // How far the large title has gone under the top row, from 0 to largeTitleHeight.
    void setLargeTitleCollapse(double points);

    const std::shared_ptr<Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<Label>& largeTitleLabel() const { return largeTitleLabel_; }
    const std::vector<std::shared_ptr<Button>>& leftButtons() const { return left_; }
    const std::vector<std::shared_ptr<Button>>& rightButtons() const { return right_; }

    void layoutSubviews() override;

  private:
    void clearButtons();
    void updateBackground();
    void updateTitles();

    std::shared_ptr<VisualEffectView> background_;
    std::shared_ptr<View> shadow_;
    std::shared_ptr<Label> titleLabel_;
    std::shared_ptr<View> largeTitleArea_;
    std::shared_ptr<Label> largeTitleLabel_;
    std::vector<std::shared_ptr<Button>> left_;
    std::vector<std::shared_ptr<Button>> right_;
    bool prefersLargeTitles_ = false;
    bool showsLarge_ = false;
    double collapse_ = 0;
    bool transparent_ = false;
    bool shadowHidden_ = false;
    LargeTitleDisplayMode mode_ = LargeTitleDisplayMode::automatic;
};

}  // namespace kit
