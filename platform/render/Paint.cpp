#include "platform/render/Paint.h"

#include <cairo.h>

#include <algorithm>

namespace render {

void Paint::setColor(cairo_t* cairo, const kit::Rgba& color) {
    auto unit = [](double value) { return std::clamp(value, 0.0, 1.0); };
    cairo_set_source_rgba(cairo, unit(color.red), unit(color.green), unit(color.blue),
                          unit(color.alpha));
}

}  // namespace render
