#include "platform/render/ActivityIndicatorDrawer.h"

#include <cairo.h>

#include <cmath>
#include <numbers>

#include "platform/foundation/MainQueue.h"
#include "platform/render/Paint.h"

namespace render {

int ActivityIndicatorDrawer::leadingSpoke(double now) {
    if (!std::isfinite(now) || now < 0) {
        return 0;
    }
    double steps = std::floor(now / secondsPerTurn * spokeCount);
    return static_cast<int>(std::fmod(steps, spokeCount));
}

void ActivityIndicatorDrawer::draw(const Canvas& canvas,
                                   const kit::ActivityIndicatorView& indicator) {
    cairo_t* cairo = canvas.cairo;
    double size = indicator.intrinsicContentSize().width;
    kit::Rect bounds({0, 0}, indicator.bounds().size);
    kit::Rgba color = indicator.resolvedColor(indicator.color());
    int leading = indicator.isAnimating() ? leadingSpoke(foundation::MainQueue::main().now()) : 0;
    cairo_save(cairo);
    cairo_translate(cairo, bounds.midX(), bounds.midY());
    cairo_set_line_width(cairo, size * 0.09);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    for (int spoke = 0; spoke < spokeCount; ++spoke) {
        // Spokes behind the leading one (counter-clockwise from it) fade out.
        int behind = (leading - spoke + spokeCount) % spokeCount;
        double fade = indicator.isAnimating() ? 1.0 - 0.7 * behind / (spokeCount - 1) : 0.6;
        double angle = 2 * std::numbers::pi * spoke / spokeCount - std::numbers::pi / 2;
        double inner = size * 0.22;
        double outer = size * 0.45;
        cairo_move_to(cairo, std::cos(angle) * inner, std::sin(angle) * inner);
        cairo_line_to(cairo, std::cos(angle) * outer, std::sin(angle) * outer);
        Paint::setColor(cairo, {color.red, color.green, color.blue, color.alpha * fade});
        cairo_stroke(cairo);
    }
    cairo_restore(cairo);
}

}  // namespace render
