#pragma once

#include "platform/kit/Color.h"
#include "platform/kit/Geometry.h"
#include "platform/kit/TextLayout.h"

using cairo_t = struct _cairo;

namespace render {

// Draws a text layout made by the kit, so that what is drawn is exactly what was measured.
// The lines are centred vertically in `area`, as a label centres its text; a layout that
// does not wrap is placed across `area` by `alignment`, one that wraps is aligned line by
// line within its own width.
class TextPainter final {
  public:
    static void draw(cairo_t* cairo, const kit::TextLayout& layout, const kit::Rect& area,
                     kit::TextAlignment alignment, const kit::Rgba& color);
    // Where the first line's text would start and end, for a caret after it.
    static kit::Point origin(const kit::TextLayout& layout, const kit::Rect& area,
                             kit::TextAlignment alignment);
};

}  // namespace render
