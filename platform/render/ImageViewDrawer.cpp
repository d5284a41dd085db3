#include "platform/render/ImageViewDrawer.h"

#include "platform/render/ImagePainter.h"

namespace render {

void ImageViewDrawer::draw(const Canvas& canvas, const kit::ImageView& view) {
    if (!view.image()) {
        return;
    }
    const kit::Image& image = *view.image();
    kit::Rect bounds({0, 0}, view.bounds().size);
    // The kit places images whose size it knows; an asset's size only the loader knows.
    kit::Rect rect =
        image.size().width > 0 && image.size().height > 0
            ? view.imageRect().offsetBy(-view.bounds().minX(), -view.bounds().minY())
            : ImagePainter::place(bounds, ImagePainter::naturalSize(image), view.contentMode());
    std::optional<kit::Rgba> color;
    if (std::optional<kit::Color> imageColor = view.imageColor()) {
        color = view.resolvedColor(*imageColor);
    }
    ImagePainter::draw(canvas, image, rect, color);
}

}  // namespace render
