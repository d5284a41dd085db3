#pragma once

using cairo_t = struct _cairo;

namespace render {

// Where a view draws: a Cairo context whose user space is the view's own, in points, and
// how many device pixels a point has (to pick 1x or 2x pictures and size blurs).
struct Canvas {
    cairo_t* cairo = nullptr;
    double scale = 1;
};

}  // namespace render
