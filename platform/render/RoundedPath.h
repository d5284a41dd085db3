#pragma once

#include <cstdint>

#include "platform/kit/Geometry.h"

using cairo_t = struct _cairo;

namespace render {

// The outline of a view's bounds with its corners rounded, added to Cairo's current path.
//
// Plain corners are quarter circles. Continuous corners follow the phone's smoother
// curve: the rounding starts about 1.53 radii from the corner and its curvature grows
// gradually, so there is no visible kink where edge meets curve. Where a side is too short
// for that, the corner falls back to a quarter circle. A radius is never more than half
// the shorter side; corners outside `corners` stay square.
class RoundedPath final {
  public:
    // How far along each edge a continuous corner of radius 1 reaches.
    static constexpr double continuousExtent = 1.528665;

    static void add(cairo_t* cairo, const kit::Rect& rect, double radius, std::uint8_t corners,
                    bool continuous);

    // Whether the outline is a plain rectangle.
    static bool isSquare(const kit::Rect& rect, double radius, std::uint8_t corners);
};

}  // namespace render
