#pragma once

#include "platform/render/Surface.h"

namespace render {

// Blurs an ARGB image in place with a box filter run `passes` times across and down;
// three passes come close to a Gaussian blur at a fraction of its cost. Premultiplied
// pixels blur correctly as they are. A radius over 128 pixels blurs as 128 does.
class BoxBlur final {
  public:
    static void apply(Surface& surface, int radius, int passes = 3);
};

}  // namespace render
