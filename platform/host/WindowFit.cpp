#include "platform/host/WindowFit.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

bool fits(kit::Size points, int scale, const WindowFit::Display& display) {
    double density = display.density > 0 ? display.density : 1;
    return points.width * scale / density <= display.usable.width &&
           points.height * scale / density <= display.usable.height;
}

}  // namespace

int WindowFit::defaultScale(kit::Size points, const Display& display) {
    return fits(points, 2, display) ? 2 : 1;
}

kit::Size WindowFit::windowSize(kit::Size points, int scale, const Display& display) {
    double density = display.density > 0 ? display.density : 1;
    kit::Size wanted{points.width * scale / density, points.height * scale / density};
    double shrink = 1;
    if (display.usable.width > 0 && display.usable.height > 0) {
        shrink = std::min(
            {1.0, display.usable.width / wanted.width, display.usable.height / wanted.height});
    }
    return {std::floor(wanted.width * shrink), std::floor(wanted.height * shrink)};
}

WindowFit::Placement WindowFit::place(kit::Size points, kit::Size pixels) {
    double scale = std::min(pixels.width / points.width, pixels.height / points.height);
    if (!(scale > 0) || !std::isfinite(scale)) {
        return {1, {0, 0, 0, 0}};
    }
    double width = std::min(std::ceil(points.width * scale), pixels.width);
    double height = std::min(std::ceil(points.height * scale), pixels.height);
    return {scale,
            {std::floor((pixels.width - width) / 2), std::floor((pixels.height - height) / 2),
             width, height}};
}

}  // namespace host
