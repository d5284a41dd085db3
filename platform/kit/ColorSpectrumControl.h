#pragma once

#include <memory>
#include <vector>

#include "platform/kit/Control.h"

namespace kit {

// An area of colours: hue from left to right, brightness from top to bottom. A touch or a
// drag picks the colour under the finger and sends value-changed.
class ColorSpectrumControl final : public Control {
  public:
    static constexpr int columns = 24;
    static constexpr int rows = 8;

    static std::shared_ptr<ColorSpectrumControl> make();

    // The colour at `point`, in the control's coordinates; points outside are clamped in.
    Color colorAt(Point point) const;
    const Color& value() const { return value_; }

    void layoutSubviews() override;
    void touchesBegan(const Touch& touch) override;
    void touchesMoved(const Touch& touch) override;

    // Hue, saturation and brightness in 0...1 to an opaque colour.
    static Color hsb(double hue, double saturation, double brightness);

  private:
    void pick(const Touch& touch);

    // Cells drawn as plain views, so the renderer needs no gradient of its own.
    std::vector<std::shared_ptr<View>> cells_;
    Color value_;
};

}  // namespace kit
