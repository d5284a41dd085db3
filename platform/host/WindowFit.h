#pragma once

#include <optional>

#include "platform/kit/Geometry.h"

namespace host {

// How large the window opens on a display and where each frame goes in it, as plain
// arithmetic so that it holds without a display.
//
// A display is given by its usable area in screen coordinates (without panels and the
// window's own borders) and its density, the window's pixels per screen coordinate (1 on
// most desktops, 2 on a high-density one that counts in coordinates). The device's points
// never change: a larger or smaller window shows the same screen larger or smaller.
class WindowFit final {
  public:
    struct Display {
        kit::Size usable;
        double density = 1;
    };

    // Where a frame lands in the window's drawable, in its pixels.
    struct Placement {
        double scale = 1;  // pixels per point
        kit::Rect frame;   // whole pixels, centred; the rest of the drawable is bars
    };

    // Pixels per point when none is asked for: 2 when the device fits the display at 2,
    // else 1.
    static int defaultScale(kit::Size points, const Display& display);
    // The window's size in screen coordinates: the device at `scale` pixels per point, made
    // smaller, keeping its shape, when that would not fit the display.
    static kit::Size windowSize(kit::Size points, int scale, const Display& display);
    // The frame as large as fits whole in `pixels`, at any scale, centred.
    static Placement place(kit::Size points, kit::Size pixels);
};

}  // namespace host
