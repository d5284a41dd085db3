#pragma once

#include "platform/kit/View.h"
#include "platform/render/Canvas.h"

namespace render {

// Draws what a view of one of the kit's classes shows between its background and its
// subviews, in the view's own coordinates; a plain view shows nothing there.
class ContentDrawer final {
  public:
    static void draw(const Canvas& canvas, const kit::View& view);
};

}  // namespace render
