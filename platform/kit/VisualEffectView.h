#pragma once

#include <memory>
#include <optional>

#include "platform/kit/View.h"

namespace kit {

// Blur materials, numbered as the phone's frameworks number them, so that a style given
// by number elsewhere keeps its meaning. The plain system materials follow the interface
// style; the light and dark ones keep theirs.
enum class BlurEffectStyle {
    extraLight = 0,
    light = 1,
    dark = 2,
    regular = 4,
    prominent = 5,
    systemUltraThinMaterial = 6,
    systemThinMaterial = 7,
    systemMaterial = 8,
    systemThickMaterial = 9,
    systemChromeMaterial = 10,
    systemUltraThinMaterialLight = 11,
    systemThinMaterialLight = 12,
    systemMaterialLight = 13,
    systemThickMaterialLight = 14,
    systemChromeMaterialLight = 15,
    systemUltraThinMaterialDark = 16,
    systemThinMaterialDark = 17,
    systemMaterialDark = 18,
    systemThickMaterialDark = 19,
    systemChromeMaterialDark = 20,
};

// Blurs what lies behind it and shows its content view over the blur. Subviews belong in
// the content view, which always fills the effect view.
class VisualEffectView final : public View {
  public:
    static std::shared_ptr<VisualEffectView> make(std::optional<BlurEffectStyle> effect);

    // No effect: the view draws nothing of its own.
    const std::optional<BlurEffectStyle>& effect() const { return effect_; }
    void setEffect(std::optional<BlurEffectStyle> effect);
    const std::shared_ptr<View>& contentView() const { return contentView_; }

    void setFrame(Rect frame) override;
    void layoutSubviews() override;

  private:
    std::optional<BlurEffectStyle> effect_;
    std::shared_ptr<View> contentView_;
};

}  // namespace kit
