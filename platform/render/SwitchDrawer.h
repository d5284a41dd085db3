#pragma once

#include "platform/kit/Switch.h"
#include "platform/render/Canvas.h"

namespace render {

// The phone's switch: a capsule track, filled with the on tint when on and a faint gray
// when off, and a round white thumb with a soft shadow at the end the value points to.
class SwitchDrawer final {
  public:
    static void draw(const Canvas& canvas, const kit::Switch& control);
};

}  // namespace render
