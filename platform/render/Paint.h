#pragma once

#include "platform/kit/Color.h"

using cairo_t = struct _cairo;

namespace render {

class Paint final {
  public:
    static void setColor(cairo_t* cairo, const kit::Rgba& color);
    // Nothing drawn in a colour with no alpha can show; callers skip the work.
    static bool isVisible(const kit::Rgba& color) { return color.alpha > 0.001; }
};

}  // namespace render
