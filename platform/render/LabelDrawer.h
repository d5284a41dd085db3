#pragma once

#include "platform/kit/Label.h"
#include "platform/render/Canvas.h"

namespace render {

// A label's text, laid out at its width by the same rules that measured it, or its inline
// image in the image's own size. Nothing is drawn outside the label: a clipped line is cut
// at its edge, a truncated one already ends in an ellipsis.
class LabelDrawer final {
  public:
    static void draw(const Canvas& canvas, const kit::Label& label);
};

}  // namespace render
