#include "platform/render/SwitchDrawer.h"

#include <cairo.h>

#include <numbers>

#include "platform/render/Paint.h"
#include "platform/render/RoundedPath.h"

namespace render {

namespace {

constexpr double thumbInset = 2;

kit::Rgba offTrack(kit::InterfaceStyle style) {
    double alpha = style == kit::InterfaceStyle::dark ? 0.36 : 0.16;
    return {120 / 255.0, 120 / 255.0, 128 / 255.0, alpha};
}

void fillCircle(cairo_t* cairo, kit::Point centre, double radius, const kit::Rgba& color) {
    cairo_new_path(cairo);
    cairo_arc(cairo, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
    Paint::setColor(cairo, color);
    cairo_fill(cairo);
}

}  // namespace

void SwitchDrawer::draw(const Canvas& canvas, const kit::Switch& control) {
    cairo_t* cairo = canvas.cairo;
    kit::Rect track({0, 0}, kit::Switch::size);
    kit::Rgba trackColor = control.isOn() ? control.resolvedColor(control.onTintColor())
                                          : offTrack(control.interfaceStyle());
    cairo_save(cairo);
    RoundedPath::add(cairo, track, track.height() / 2, kit::allCorners, false);
    Paint::setColor(cairo, trackColor);
    cairo_fill(cairo);

    double radius = track.height() / 2 - thumbInset;
    double centreX =
        control.isOn() ? track.maxX() - thumbInset - radius : track.minX() + thumbInset + radius;
    kit::Point centre{centreX, track.midY()};
    fillCircle(cairo, {centre.x, centre.y + 1.5}, radius + 0.5, {0, 0, 0, 0.12});
    fillCircle(cairo, centre, radius, control.resolvedColor(control.thumbTintColor()));
    cairo_restore(cairo);
}

}  // namespace render
