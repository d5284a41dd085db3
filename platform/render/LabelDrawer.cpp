#include "platform/render/LabelDrawer.h"

#include <cairo.h>

#include "platform/render/ImagePainter.h"
#include "platform/render/TextPainter.h"

namespace render {

namespace {

// The attachment sits on the text's line: across by the alignment, centred vertically.
kit::Rect attachmentRect(const kit::Label& label, kit::Size size) {
    kit::Rect area = label.bounds();
    double x = 0;
    if (label.textAlignment() == kit::TextAlignment::center) {
        x = (area.width() - size.width) / 2;
    } else if (label.textAlignment() == kit::TextAlignment::right) {
        x = area.width() - size.width;
    }
    return {x, (area.height() - size.height) / 2, size.width, size.height};
}

void drawAttachment(const Canvas& canvas, const kit::Label& label, const kit::Image& image) {
    kit::Color color = image.tintColor().value_or(label.textColor());
    bool oneColour = image.kind() == kit::Image::Kind::symbol || image.tintColor();
    std::optional<kit::Rgba> drawnIn;
    if (oneColour) {
        drawnIn = label.resolvedColor(color);
    }
    ImagePainter::draw(canvas, image, attachmentRect(label, ImagePainter::naturalSize(image)),
                       drawnIn);
}

}  // namespace

void LabelDrawer::draw(const Canvas& canvas, const kit::Label& label) {
    kit::Rect area({0, 0}, label.bounds().size);
    cairo_save(canvas.cairo);
    cairo_rectangle(canvas.cairo, area.minX(), area.minY(), area.width(), area.height());
    cairo_clip(canvas.cairo);
    if (label.attachmentImage()) {
        drawAttachment(canvas, label, *label.attachmentImage());
    } else if (!label.text().empty()) {
        auto layout =
            kit::TextLayout::shared(label.text(), label.font(), label.layoutOptions(area.width()));
        TextPainter::draw(canvas.cairo, *layout, area, label.textAlignment(),
                          label.resolvedColor(label.textColor()));
    }
    cairo_restore(canvas.cairo);
}

}  // namespace render
