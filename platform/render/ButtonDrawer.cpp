#include "platform/render/ButtonDrawer.h"

#include <algorithm>
#include <memory>

#include "platform/render/ImagePainter.h"
#include "platform/render/TextPainter.h"

namespace render {

namespace {

std::optional<kit::Rgba> imageColor(const kit::Button& button, const kit::Image& image) {
    if (image.tintColor()) {
        return button.resolvedColor(*image.tintColor());
    }
    if (!image.isTemplate()) {
        return std::nullopt;
    }
    kit::Color tint = button.tintColor();
    if (button.buttonType() == kit::ButtonType::system && button.isHighlighted()) {
        tint = tint.withAlpha(tint.components().alpha * 0.2);
    }
    return button.resolvedColor(tint);
}

double startX(const kit::Rect& content, double width, kit::TextAlignment alignment) {
    switch (alignment) {
        case kit::TextAlignment::natural:
        case kit::TextAlignment::left:
            return content.minX();
        case kit::TextAlignment::right:
            return content.maxX() - width;
        case kit::TextAlignment::center:
            break;
    }
    return content.minX() + (content.width() - width) / 2;
}

}  // namespace

void ButtonDrawer::draw(const Canvas& canvas, const kit::Button& button) {
    kit::Rect content = kit::Rect({0, 0}, button.bounds().size).inset(button.contentEdgeInsets());
    std::optional<kit::Image> image = button.currentImage();
    kit::Size imageSize = image ? ImagePainter::naturalSize(*image) : kit::Size{};
    std::optional<std::string> title = button.currentTitle();
    std::shared_ptr<const kit::TextLayout> layout;
    if (title && !title->empty()) {
        kit::TextLayout::Options options;
        options.width = std::max(content.width() - imageSize.width, 0.0);
        options.maximumNumberOfLines = 1;
        layout = kit::TextLayout::shared(*title, button.titleFont(), options);
    }
    double titleWidth = layout ? layout->size().width : 0;
    double x = startX(content, imageSize.width + titleWidth, button.titleAlignment());
    if (image) {
        kit::Rect imageRect{x, content.midY() - imageSize.height / 2, imageSize.width,
                            imageSize.height};
        ImagePainter::draw(canvas, *image, imageRect, imageColor(button, *image));
    }
    if (layout) {
        kit::Rect titleArea{x + imageSize.width, content.minY(), titleWidth, content.height()};
        TextPainter::draw(canvas.cairo, *layout, titleArea, kit::TextAlignment::left,
                          button.resolvedColor(button.currentTitleColor()));
    }
}

}  // namespace render
