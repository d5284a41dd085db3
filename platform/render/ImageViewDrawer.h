#pragma once

#include "platform/kit/ImageView.h"
#include "platform/render/Canvas.h"

namespace render {

// An image view's image where its content mode puts it, in the view's image colour when it
// has one (a symbol in the tint, or any image given its own colour).
class ImageViewDrawer final {
  public:
    static void draw(const Canvas& canvas, const kit::ImageView& view);
};

}  // namespace render
