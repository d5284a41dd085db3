#pragma once

#include <optional>

#include "platform/kit/Color.h"
#include "platform/kit/Image.h"
#include "platform/kit/ImageView.h"
#include "platform/render/Canvas.h"

namespace render {

// Draws any kit image into a rectangle: a symbol as its glyph, an asset from the resources
// folder at the canvas's scale, an image from data as its decoded PNG. With `color` the
// picture is drawn in that one colour (symbols always are; black when none is given).
// JPEG data is not drawn: none of our libraries decodes it.
class ImagePainter final {
  public:
    static void draw(const Canvas& canvas, const kit::Image& image, const kit::Rect& rect,
                     const std::optional<kit::Rgba>& color);

    // The image's size in points, asking the asset loader for an asset's, which the kit
    // does not know; empty when there is no picture.
    static kit::Size naturalSize(const kit::Image& image);
    // Where a picture of `natural` size goes in `bounds` under `mode`.
    static kit::Rect place(const kit::Rect& bounds, kit::Size natural, kit::ContentMode mode);
};

}  // namespace render
