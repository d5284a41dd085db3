#pragma once

#include <optional>

#include "platform/kit/Control.h"

namespace kit {

// An on/off control. A tap that lifts inside it flips it and sends value-changed; setting
// the state from code sends nothing, so a screen can show a stored value without writing
// it back.
class Switch final : public Control {
  public:
    static constexpr Size size{51, 31};

    Switch() : Control(Rect({0, 0}, size)) {}

    bool isOn() const { return on_; }
    // Animation only changes how the flip is drawn, never when the value changes.
    void setOn(bool on, bool animated = false);

    // The track's colour when on: the system green unless set.
    Color onTintColor() const;
    void setOnTintColor(std::optional<Color> color);
    // The knob's colour: white unless set.
    Color thumbTintColor() const;
    void setThumbTintColor(std::optional<Color> color);

    Size intrinsicContentSize() const override { return size; }

  protected:
    void touchEndedInside(const Touch& touch) override;

  private:
    std::optional<Color> onTintColor_;
    std::optional<Color> thumbTintColor_;
    bool on_ = false;
};

}  // namespace kit
