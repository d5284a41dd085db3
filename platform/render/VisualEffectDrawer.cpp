#include "platform/render/VisualEffectDrawer.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/render/BoxBlur.h"
#include "platform/render/Paint.h"
#include "platform/render/RoundedPath.h"

namespace render {

namespace {

using Style = kit::BlurEffectStyle;

bool isDark(Style style, kit::InterfaceStyle interfaceStyle) {
    switch (style) {
        case Style::dark:
        case Style::systemUltraThinMaterialDark:
        case Style::systemThinMaterialDark:
        case Style::systemMaterialDark:
        case Style::systemThickMaterialDark:
        case Style::systemChromeMaterialDark:
            return true;
        case Style::extraLight:
        case Style::light:
        case Style::systemUltraThinMaterialLight:
        case Style::systemThinMaterialLight:
        case Style::systemMaterialLight:
        case Style::systemThickMaterialLight:
        case Style::systemChromeMaterialLight:
            return false;
        default:
            return interfaceStyle == kit::InterfaceStyle::dark;
    }
}

// How much of the veil covers the blur: thin materials let more of the backdrop through.
double opacity(Style style) {
    switch (style) {
        case Style::systemUltraThinMaterial:
        case Style::systemUltraThinMaterialLight:
        case Style::systemUltraThinMaterialDark:
            return 0.35;
        case Style::systemThinMaterial:
        case Style::systemThinMaterialLight:
        case Style::systemThinMaterialDark:
            return 0.55;
        case Style::systemThickMaterial:
        case Style::systemThickMaterialLight:
        case Style::systemThickMaterialDark:
        case Style::prominent:
        case Style::extraLight:
            return 0.86;
        case Style::systemChromeMaterial:
        case Style::systemChromeMaterialLight:
        case Style::systemChromeMaterialDark:
            return 0.78;
        default:
            return 0.72;
    }
}

struct DeviceBox {
    double x = 0;
    double y = 0;
    int width = 0;
    int height = 0;
};

// The view's bounds in device pixels, rounded out to whole pixels.
DeviceBox deviceBox(cairo_t* cairo, const kit::Rect& area) {
    double xs[4] = {area.minX(), area.maxX(), area.minX(), area.maxX()};
    double ys[4] = {area.minY(), area.minY(), area.maxY(), area.maxY()};
    for (int corner = 0; corner < 4; ++corner) {
        cairo_user_to_device(cairo, &xs[corner], &ys[corner]);
    }
    double left = std::floor(*std::min_element(xs, xs + 4));
    double top = std::floor(*std::min_element(ys, ys + 4));
    double right = std::ceil(*std::max_element(xs, xs + 4));
    double bottom = std::ceil(*std::max_element(ys, ys + 4));
    return {left, top, static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

// The backdrop under `box`, shrunk by `shrink`: a blur loses nothing to a smaller copy,
// and blurring a quarter of the pixels keeps a full-screen material cheap.
Surface backdrop(cairo_t* cairo, const DeviceBox& box, int shrink) {
    Surface copy((box.width + shrink - 1) / shrink, (box.height + shrink - 1) / shrink);
    if (!copy.isValid()) {
        return copy;
    }
    cairo_surface_t* target = cairo_get_group_target(cairo);
    cairo_surface_flush(target);
    cairo_t* copier = cairo_create(copy.cairoSurface());
    cairo_scale(copier, 1.0 / shrink, 1.0 / shrink);
    cairo_set_source_surface(copier, target, -box.x, -box.y);
    cairo_pattern_set_extend(cairo_get_source(copier), CAIRO_EXTEND_PAD);
    // Sampling is enough: the blur that follows hides what a finer filter would add.
    cairo_pattern_set_filter(cairo_get_source(copier), CAIRO_FILTER_BILINEAR);
    cairo_paint(copier);
    cairo_destroy(copier);
    return copy;
}

// Whether `area` lies on whole device pixels, upright, so that the box alone outlines it.
bool fillsBoxExactly(cairo_t* cairo, const kit::View& view, const kit::Rect& area,
                     const DeviceBox& box) {
    cairo_matrix_t matrix;
    cairo_get_matrix(cairo, &matrix);
    double left = area.minX();
    double top = area.minY();
    cairo_user_to_device(cairo, &left, &top);
    auto whole = [](double value, double target) { return std::abs(value - target) < 1e-6; };
    return view.cornerRadius() <= 0 && matrix.xy == 0 && matrix.yx == 0 && matrix.xx > 0 &&
           matrix.yy > 0 && whole(left, box.x) && whole(top, box.y) &&
           whole(area.width() * matrix.xx, box.width) &&
           whole(area.height() * matrix.yy, box.height);
}

// The backdrop blurred and veiled at a fraction of the size, then painted back once. The veil
// goes over the small picture: blending with one colour commutes with the smooth scaling up,
// so the result is that of veiling the full-size blur, at a fraction of the cost. Where the
// view lies on whole pixels the picture fills its box; otherwise its outline clips it. False,
// drawing nothing, for a view too large or empty to blur.
bool drawVeiledBlur(const Canvas& canvas, const kit::View& view, const kit::Rect& area,
                    const kit::Rgba& veil) {
    cairo_t* cairo = canvas.cairo;
    DeviceBox box = deviceBox(cairo, area);
    int shrink = std::max(1, static_cast<int>(std::lround(canvas.scale * 2)));
    if (box.width <= 0 || box.height <= 0 || box.width > 16384 || box.height > 16384) {
        return false;
    }
    Surface blurred = backdrop(cairo, box, shrink);
    if (!blurred.isValid()) {
        return false;
    }
    int radius = std::max(
        1, static_cast<int>(std::lround(VisualEffectDrawer::blurRadius * canvas.scale / shrink)));
    BoxBlur::apply(blurred, radius);
    cairo_t* veiling = cairo_create(blurred.cairoSurface());
    Paint::setColor(veiling, veil);
    cairo_paint(veiling);
    cairo_destroy(veiling);
    bool exact = fillsBoxExactly(cairo, view, area, box);
    cairo_save(cairo);
    if (!exact) {
        cairo_clip(cairo);
    }
    cairo_new_path(cairo);
    cairo_identity_matrix(cairo);
    cairo_rectangle(cairo, box.x, box.y, box.width, box.height);
    cairo_translate(cairo, box.x, box.y);
    cairo_scale(cairo, shrink, shrink);
    cairo_set_source_surface(cairo, blurred.cairoSurface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cairo), CAIRO_EXTEND_PAD);
    cairo_fill(cairo);
    cairo_restore(cairo);
    return true;
}

}  // namespace

kit::Rgba VisualEffectDrawer::materialColor(kit::BlurEffectStyle style,
                                            kit::InterfaceStyle interfaceStyle) {
    double alpha = opacity(style);
    if (isDark(style, interfaceStyle)) {
        return {0.11, 0.11, 0.12, alpha};
    }
    return {0.97, 0.97, 0.97, alpha};
}

void VisualEffectDrawer::draw(const Canvas& canvas, const kit::VisualEffectView& view) {
    if (!view.effect()) {
        return;
    }
    cairo_t* cairo = canvas.cairo;
    kit::Rect area({0, 0}, view.bounds().size);
    kit::Rgba veil = materialColor(*view.effect(), view.interfaceStyle());
    cairo_new_path(cairo);
    RoundedPath::add(cairo, area, view.cornerRadius(), view.maskedCorners(),
                     view.continuousCorners());
    if (!drawVeiledBlur(canvas, view, area, veil)) {
        Paint::setColor(cairo, veil);
        cairo_fill(cairo);
    }
    cairo_new_path(cairo);
}

}  // namespace render
