#include "platform/render/ScrollIndicatorDrawer.h"

#include <cairo.h>

#include "platform/foundation/MainQueue.h"
#include "platform/render/Paint.h"
#include "platform/render/RoundedPath.h"

namespace render {

namespace {

kit::Color indicatorColor() {
    return kit::Color::dynamic({0, 0, 0, 0.35}, {1, 1, 1, 0.35});
}

}  // namespace

void ScrollIndicatorDrawer::draw(const Canvas& canvas, const kit::ScrollView& view,
                                 kit::Point offset) {
    double alpha = view.indicatorAlpha(foundation::MainQueue::main().now());
    auto frame = view.verticalIndicatorFrame(offset);
    if (!(alpha > 0) || !frame) {
        return;
    }
    kit::Rgba color = view.resolvedColor(indicatorColor());
    color.alpha *= alpha;
    Paint::setColor(canvas.cairo, color);
    RoundedPath::add(canvas.cairo, *frame, frame->width() / 2, kit::allCorners, false);
    cairo_fill(canvas.cairo);
}

}  // namespace render
