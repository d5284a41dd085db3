#include "platform/render/ContentsPicture.h"

#include <cairo.h>

#include "platform/render/Renderer.h"

namespace render {

ContentsPicture::ContentsPicture(std::optional<Surface> surface, double scale)
    : surface_(std::move(surface)), scale_(scale) {}

kit::ContentsSnapshot::Capturer ContentsPicture::install(double scale) {
    return kit::ContentsSnapshot::setCapturer(
        [scale](const kit::View& view) -> std::shared_ptr<const kit::ContentsSnapshot> {
            return capture(view, scale);
        });
}

std::shared_ptr<const ContentsPicture> ContentsPicture::capture(const kit::View& view,
                                                                double scale) {
    Renderer renderer(scale);
    std::optional<Surface> surface;
    if (!view.isHidden()) {
        if (auto drawn = renderer.renderContents(view)) {
            surface = std::move(drawn).value();
        }
    }
    return std::make_shared<const ContentsPicture>(std::move(surface), renderer.scale());
}

void ContentsPicture::paint(cairo_t* cairo, double alpha) const {
    if (!surface_ || !(alpha > 0)) {
        return;
    }
    cairo_save(cairo);
    cairo_scale(cairo, 1 / scale_, 1 / scale_);
    cairo_set_source_surface(cairo, surface_->cairoSurface(), 0, 0);
    cairo_paint_with_alpha(cairo, alpha);
    cairo_restore(cairo);
}

}  // namespace render
