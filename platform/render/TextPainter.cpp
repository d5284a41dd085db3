#include "platform/render/TextPainter.h"

#include <pango/pangocairo.h>

#include "platform/render/Paint.h"

namespace render {

kit::Point TextPainter::origin(const kit::TextLayout& layout, const kit::Rect& area,
                               kit::TextAlignment alignment) {
    kit::Size size = layout.size();
    double x = area.minX();
    bool wraps = pango_layout_get_width(layout.pangoLayout()) >= 0;
    if (!wraps && alignment == kit::TextAlignment::center) {
        x += (area.width() - size.width) / 2;
    } else if (!wraps && alignment == kit::TextAlignment::right) {
        x += area.width() - size.width;
    }
    return {x, area.minY() + (area.height() - size.height) / 2};
}

void TextPainter::draw(cairo_t* cairo, const kit::TextLayout& layout, const kit::Rect& area,
                       kit::TextAlignment alignment, const kit::Rgba& color) {
    if (layout.shownText().empty() || !Paint::isVisible(color)) {
        return;
    }
    kit::Point at = origin(layout, area, alignment);
    cairo_save(cairo);
    Paint::setColor(cairo, color);
    cairo_move_to(cairo, at.x, at.y);
    pango_cairo_show_layout(cairo, layout.pangoLayout());
    cairo_restore(cairo);
}

}  // namespace render
