#pragma once

#include <memory>
#include <vector>

#include "platform/kit/BarButtonItem.h"
#include "platform/kit/Button.h"
#include "platform/kit/View.h"
#include "platform/kit/VisualEffectView.h"

namespace kit {

// A bar of buttons made from bar button items, left to right; flexible spaces share the
// width the buttons leave. A blur with a hairline on top is its background. At the bottom
// of a window it extends down under the home indicator.
class Toolbar final : public View {
  public:
    static constexpr double barHeight = 44;

    static std::shared_ptr<Toolbar> make();

    const std::vector<std::shared_ptr<BarButtonItem>>& items() const { return items_; }
    // `fallback` starts the responder chain for items without a target.
    void setItems(std::vector<std::shared_ptr<BarButtonItem>> items,
                  std::weak_ptr<Responder> fallback = {});
    const std::vector<std::shared_ptr<Button>>& buttons() const { return buttons_; }

    Size intrinsicContentSize() const override { return {noIntrinsicMetric, barHeight}; }
    void layoutSubviews() override;

  private:
    std::shared_ptr<VisualEffectView> background_;
    std::shared_ptr<View> hairline_;
    std::vector<std::shared_ptr<BarButtonItem>> items_;
    // One per item; empty for a flexible space.
    std::vector<std::shared_ptr<Button>> buttons_;
};

}  // namespace kit
