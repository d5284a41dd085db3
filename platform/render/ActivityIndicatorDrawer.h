#pragma once

#include "platform/kit/ActivityIndicatorView.h"
#include "platform/render/Canvas.h"

namespace render {

// Eight spokes around the centre, fading behind a bright one that steps round once a
// second on the main queue's clock while the indicator animates; a stopped indicator that
// stays visible shows the spokes at rest.
class ActivityIndicatorDrawer final {
  public:
    static constexpr int spokeCount = 8;
    static constexpr double secondsPerTurn = 1;

    static void draw(const Canvas& canvas, const kit::ActivityIndicatorView& indicator);
    // Which spoke is brightest at `now` (seconds on the main queue's clock).
    static int leadingSpoke(double now);
};

}  // namespace render
