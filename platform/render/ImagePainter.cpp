#include "platform/render/ImagePainter.h"

#include <cairo.h>

#include <algorithm>

#include "platform/render/AssetLoader.h"
#include "platform/render/DecodedImageCache.h"
#include "platform/render/Paint.h"
#include "platform/render/SymbolPainter.h"

namespace render {

namespace {

std::optional<Surface> pixelsOf(const kit::Image& image, double scale) {
    if (image.kind() == kit::Image::Kind::asset) {
        std::optional<AssetLoader::Asset> asset = AssetLoader::shared().load(image.name(), scale);
        return asset ? std::optional<Surface>(asset->pixels) : std::nullopt;
    }
    return DecodedImageCache::shared().pixels(image);
}

void drawPixels(cairo_t* cairo, const Surface& pixels, const kit::Rect& rect,
                const std::optional<kit::Rgba>& color) {
    cairo_save(cairo);
    cairo_rectangle(cairo, rect.minX(), rect.minY(), rect.width(), rect.height());
    cairo_clip(cairo);
    cairo_translate(cairo, rect.minX(), rect.minY());
    cairo_scale(cairo, rect.width() / pixels.width(), rect.height() / pixels.height());
    // Padding the picture's edge outwards keeps a scaled picture from fading at its
    // border, where the filter would otherwise mix in the transparency beyond it.
    cairo_pattern_t* picture = cairo_pattern_create_for_surface(pixels.cairoSurface());
    cairo_pattern_set_extend(picture, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(picture, CAIRO_FILTER_GOOD);
    if (color) {
        Paint::setColor(cairo, *color);
        cairo_mask(cairo, picture);
    } else {
        cairo_set_source(cairo, picture);
        cairo_paint(cairo);
    }
    cairo_pattern_destroy(picture);
    cairo_restore(cairo);
}

}  // namespace

void ImagePainter::draw(const Canvas& canvas, const kit::Image& image, const kit::Rect& rect,
                        const std::optional<kit::Rgba>& color) {
    if (rect.isEmpty() || !rect.isFinite()) {
        return;
    }
    if (image.kind() == kit::Image::Kind::symbol) {
        SymbolPainter::draw(canvas.cairo, image.name(), rect, image.symbolConfiguration().weight,
                            color.value_or(kit::Rgba{0, 0, 0, 1}));
        return;
    }
    if (std::optional<Surface> pixels = pixelsOf(image, canvas.scale)) {
        drawPixels(canvas.cairo, *pixels, rect, color);
    }
}

kit::Size ImagePainter::naturalSize(const kit::Image& image) {
    kit::Size size = image.size();
    if (size.width > 0 && size.height > 0) {
        return size;
    }
    if (image.kind() == kit::Image::Kind::asset) {
        return AssetLoader::shared().size(image.name()).value_or(kit::Size{});
    }
    return {};
}

kit::Rect ImagePainter::place(const kit::Rect& bounds, kit::Size natural, kit::ContentMode mode) {
    if (mode == kit::ContentMode::scaleToFill || natural.width <= 0 || natural.height <= 0) {
        return bounds;
    }
    double scale = 1;
    if (mode != kit::ContentMode::center) {
        double horizontal = bounds.width() / natural.width;
        double vertical = bounds.height() / natural.height;
        scale = mode == kit::ContentMode::scaleAspectFit ? std::min(horizontal, vertical)
                                                         : std::max(horizontal, vertical);
    }
    kit::Size drawn{natural.width * scale, natural.height * scale};
    return {bounds.midX() - drawn.width / 2, bounds.midY() - drawn.height / 2, drawn.width,
            drawn.height};
}

}  // namespace render
