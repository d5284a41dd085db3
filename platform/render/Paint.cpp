#include "platform/render/Paint.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace render {

void Paint::setColor(cairo_t* cairo, const kit::Rgba& color) {
    // A channel that is not a number reads as none, so one bad colour cannot put the
    // whole frame's Cairo context into an error state.
    auto unit = [](double value) { return std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 1.0); };
    cairo_set_source_rgba(cairo, unit(color.red), unit(color.green), unit(color.blue),
                          unit(color.alpha));
}

}  // namespace render
