#include "platform/render/Renderer.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <typeinfo>
#include <utility>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/ActivityIndicatorView.h"
#include "platform/kit/ScrollView.h"
#include "platform/render/ContentDrawer.h"
#include "platform/render/Paint.h"
#include "platform/render/Presentation.h"
#include "platform/render/RoundedPath.h"
#include "platform/render/ScrollIndicatorDrawer.h"

namespace render {

namespace {

// The largest image Cairo makes, per side.
constexpr double maximumPixels = 32767;
// Below this a view is invisible to the eye and the hit test alike.
constexpr double invisibleAlpha = 1.0 / 512;

void addOutline(cairo_t* cairo, const kit::View& view, const kit::Rect& rect) {
    cairo_new_path(cairo);
    RoundedPath::add(cairo, rect, view.cornerRadius(), view.maskedCorners(),
                     view.continuousCorners());
}

// From `low` to `high` in whole device pixels; a hairline thinner than a pixel keeps one.
std::pair<double, double> snappedSpan(double low, double high) {
    if (high < low) {
        std::swap(low, high);
    }
    // Neighbours compute a shared edge in different ways (x + width, or the next x), which
    // may differ in the last bit right at half a pixel: the margin rounds both alike.
    constexpr double margin = 1e-6;
    double start = std::floor(low + 0.5 + margin);
    double end = std::floor(high + 0.5 + margin);
    if (end == start && high > low) {
        end = start + 1;
    }
    return {start, end - start};
}

// A square-cornered, upright rectangle with its edges moved to the nearest device pixel.
// Views side by side at fractional positions (the colour picker's cells) would otherwise
// each cover part of their shared pixel and let what lies behind show through as a seam.
bool addSnappedRectangle(cairo_t* cairo, const kit::View& view, const kit::Rect& rect) {
    cairo_matrix_t matrix;
    cairo_get_matrix(cairo, &matrix);
    if (view.cornerRadius() > 0 || matrix.xy != 0 || matrix.yx != 0) {
        return false;
    }
    double left = rect.minX();
    double top = rect.minY();
    double right = rect.maxX();
    double bottom = rect.maxY();
    cairo_user_to_device(cairo, &left, &top);
    cairo_user_to_device(cairo, &right, &bottom);
    cairo_save(cairo);
    cairo_identity_matrix(cairo);
    cairo_new_path(cairo);
    auto [x, width] = snappedSpan(left, right);
    auto [y, height] = snappedSpan(top, bottom);
    cairo_rectangle(cairo, x, y, width, height);
    cairo_restore(cairo);
    return true;
}

void fillBackground(cairo_t* cairo, const kit::View& view, const kit::Rect& local) {
    kit::Rgba color = view.resolvedColor(Presentation::backgroundColor(view));
    if (!Paint::isVisible(color)) {
        return;
    }
    if (!addSnappedRectangle(cairo, view, local)) {
        addOutline(cairo, view, local);
    }
    Paint::setColor(cairo, color);
    cairo_fill(cairo);
}

// The border lies inside the bounds, its outer edge on the outline.
void strokeBorder(cairo_t* cairo, const kit::View& view, const kit::Rect& local) {
    double width = std::min(view.borderWidth(), std::min(local.width(), local.height()) / 2);
    kit::Rgba color = view.resolvedColor(view.borderColor());
    if (!(width > 0) || !Paint::isVisible(color)) {
        return;
    }
    kit::Rect inner = local.inset({width / 2, width / 2, width / 2, width / 2});
    cairo_new_path(cairo);
    RoundedPath::add(cairo, inner, view.cornerRadius() - width / 2, view.maskedCorners(),
                     view.continuousCorners());
    cairo_set_line_width(cairo, width);
    Paint::setColor(cairo, color);
    cairo_stroke(cairo);
}

// Scales, rotates or moves the view around its centre, as the kit hit-tests it.
bool applyTransform(cairo_t* cairo, const kit::AffineTransform& transform, kit::Size size) {
    if (transform.isIdentity()) {
        return true;
    }
    if (!transform.isFinite() || !transform.isInvertible()) {
        return false;
    }
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, transform.a, transform.b, transform.c, transform.d, transform.tx,
                      transform.ty);
    cairo_translate(cairo, size.width / 2, size.height / 2);
    cairo_transform(cairo, &matrix);
    cairo_translate(cairo, -size.width / 2, -size.height / 2);
    return true;
}

// A view that clips, or has nothing under it, draws nothing outside its bounds.
bool isOutsideClip(cairo_t* cairo, const kit::View& view, const kit::Rect& local) {
    if (!view.clipsToBounds() && !view.subviews().empty()) {
        return false;
    }
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    cairo_clip_extents(cairo, &left, &top, &right, &bottom);
    return local.maxX() <= left || local.minX() >= right || local.maxY() <= top ||
           local.minY() >= bottom;
}

}  // namespace

Renderer::Renderer(double scale) : scale_(std::isfinite(scale) && scale > 0 ? scale : 1) {}

foundation::Result<Surface> Renderer::render(const kit::View& view) const {
    return renderSized(view.bounds().size, [&](cairo_t* cairo) { draw(cairo, view); });
}

foundation::Result<Surface> Renderer::renderContents(const kit::View& view) const {
    kit::Size size = view.presentationFrame().size;
    return renderSized(size, [&](cairo_t* cairo) {
        drawLayers(cairo, view, {{0, 0}, size}, Occlusion());
    });
}

foundation::Result<Surface> Renderer::renderSized(
    kit::Size size, const std::function<void(cairo_t*)>& drawing) const {
    double width = std::ceil(size.width * scale_);
    double height = std::ceil(size.height * scale_);
    if (!(width >= 1 && height >= 1 && width <= maximumPixels && height <= maximumPixels)) {
        return foundation::Error{"A view of " + std::to_string(size.width) + " × " +
                                 std::to_string(size.height) +
                                 " points cannot be drawn into an image."};
    }
    Surface surface(static_cast<int>(width), static_cast<int>(height));
    if (!surface.isValid()) {
        return foundation::Error{"There is not enough memory to draw the view."};
    }
    cairo_t* cairo = cairo_create(surface.cairoSurface());
    cairo_scale(cairo, scale_, scale_);
    drawing(cairo);
    cairo_destroy(cairo);
    return surface;
}

foundation::Result<void> Renderer::writePng(const kit::View& view,
                                            const std::filesystem::path& path) const {
    foundation::Result<Surface> surface = render(view);
    if (!surface) {
        return surface.error();
    }
    return surface.value().writePng(path);
}

void Renderer::draw(cairo_t* cairo, const kit::View& view) const {
    drawTree(cairo, view, true, Occlusion::of(view, scale_));
}

bool Renderer::isAnimating(const kit::View& view) {
    if (view.isHidden()) {
        return false;
    }
    const auto* indicator = dynamic_cast<const kit::ActivityIndicatorView*>(&view);
    if ((indicator != nullptr && indicator->isAnimating()) || !view.runningAnimations().empty()) {
        return true;
    }
    const auto* scrollView = dynamic_cast<const kit::ScrollView*>(&view);
    if (scrollView != nullptr &&
        scrollView->indicatorAlpha(foundation::MainQueue::main().now()) > 0) {
        return true;
    }
    return std::any_of(view.subviews().begin(), view.subviews().end(),
                       [](const auto& subview) { return isAnimating(*subview); });
}

void Renderer::drawTree(cairo_t* cairo, const kit::View& view, bool isRoot,
                        const Occlusion& occlusion) const {
    double alpha = view.presentationAlpha();
    kit::Rect frame = view.presentationFrame();
    // A view with no area and nothing under it has nothing to draw; one that fades would
    // still cost a group as large as the clip.
    bool empty = !(frame.width() > 0 && frame.height() > 0) && view.subviews().empty();
    if (view.isHidden() || !(alpha >= invisibleAlpha) || !frame.isFinite() || empty ||
        occlusion.isHidden(view)) {
        return;
    }
    kit::Rect local({0, 0}, frame.size);
    cairo_save(cairo);
    if (!isRoot) {
        cairo_translate(cairo, frame.minX(), frame.minY());
    }
    if (applyTransform(cairo, view.presentationTransform(), frame.size) &&
        !isOutsideClip(cairo, view, local)) {
        auto dissolve = Presentation::dissolve(view);
        bool fades = alpha < 1 || dissolve;
        if (fades && view.subviews().empty() && typeid(view) == typeid(kit::View)) {
            // A plain view with nothing under it draws inside its bounds only, so its group
            // need be no larger; the clip alone would make it the size of the screen.
            cairo_rectangle(cairo, local.minX(), local.minY(), local.width(), local.height());
            cairo_clip(cairo);
        }
        if (fades) {
            cairo_push_group(cairo);
        }
        if (dissolve) {
            drawDissolving(cairo, view, local, *dissolve, occlusion);
        } else {
            drawLayers(cairo, view, local, occlusion);
        }
        if (fades) {
            cairo_pop_group_to_source(cairo);
            cairo_paint_with_alpha(cairo, alpha);
        }
    }
    cairo_restore(cairo);
}

// Old and new are weighted to add up to one, so nothing behind the view shows through
// halfway, as it would if each were faded over the other. Drawn into an empty group.
void Renderer::drawDissolving(cairo_t* cairo, const kit::View& view, const kit::Rect& local,
                              const Presentation::Dissolve& dissolve,
                              const Occlusion& occlusion) const {
    dissolve.picture->paint(cairo, 1 - dissolve.progress);
    cairo_push_group(cairo);
    drawLayers(cairo, view, local, occlusion);
    cairo_pop_group_to_source(cairo);
    cairo_set_operator(cairo, CAIRO_OPERATOR_ADD);
    cairo_paint_with_alpha(cairo, dissolve.progress);
    cairo_set_operator(cairo, CAIRO_OPERATOR_OVER);
}

void Renderer::drawLayers(cairo_t* cairo, const kit::View& view, const kit::Rect& local,
                          const Occlusion& occlusion) const {
    fillBackground(cairo, view, local);
    cairo_save(cairo);
    if (view.clipsToBounds()) {
        addOutline(cairo, view, local);
        cairo_clip(cairo);
    }
    ContentDrawer::draw({cairo, scale_}, view);
    kit::Point origin = Presentation::boundsOrigin(view);
    cairo_translate(cairo, -origin.x, -origin.y);
    for (const auto& subview : view.subviews()) {
        drawTree(cairo, *subview, false, occlusion);
    }
    cairo_translate(cairo, origin.x, origin.y);
    if (const auto* scrollView = dynamic_cast<const kit::ScrollView*>(&view)) {
        ScrollIndicatorDrawer::draw({cairo, scale_}, *scrollView, origin);
    }
    cairo_restore(cairo);
    strokeBorder(cairo, view, local);
}

}  // namespace render
