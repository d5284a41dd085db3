#include "platform/render/TextFieldDrawer.h"

#include <cairo.h>

#include <algorithm>

#include "platform/render/Paint.h"
#include "platform/render/SymbolPainter.h"
#include "platform/render/TextPainter.h"

namespace render {

namespace {

constexpr double caretWidth = 2;
constexpr double clearSymbolSize = 17;

void drawCaret(cairo_t* cairo, const kit::TextField& field, double x, const kit::Rect& area) {
    double height = field.font().lineHeight();
    x = std::clamp(x, area.minX(), std::max(area.minX(), area.maxX() - caretWidth));
    cairo_rectangle(cairo, x, area.midY() - height / 2, caretWidth, height);
    Paint::setColor(cairo, field.resolvedColor(field.tintColor()));
    cairo_fill(cairo);
}

void drawClearButton(cairo_t* cairo, const kit::TextField& field) {
    kit::Rect button =
        field.clearButtonRect().offsetBy(-field.bounds().minX(), -field.bounds().minY());
    kit::Rect symbol{button.midX() - clearSymbolSize / 2, button.midY() - clearSymbolSize / 2,
                     clearSymbolSize, clearSymbolSize};
    SymbolPainter::draw(cairo, "xmark.circle.fill", symbol, kit::FontWeight::regular,
                        field.resolvedColor(kit::Color::systemGray2Color()));
}

}  // namespace

void TextFieldDrawer::draw(const Canvas& canvas, const kit::TextField& field) {
    cairo_t* cairo = canvas.cairo;
    kit::Rect area({0, 0}, field.bounds().size);
    if (field.isClearButtonShown()) {
        drawClearButton(cairo, field);
        area.size.width = std::max(0.0, area.width() - field.clearButtonRect().width());
    }
    bool showsText = !field.text().empty();
    kit::TextLayout::Options options;
    options.maximumNumberOfLines = 1;
    if (!showsText) {
        options.width = area.width();  // a long placeholder ends in an ellipsis
    }
    auto shared = kit::TextLayout::shared(showsText ? field.text() : field.placeholder(),
                                          field.font(), options);
    const kit::TextLayout& layout = *shared;
    kit::Rect textArea = area;
    double overflow = layout.size().width + caretWidth - area.width();
    if (field.isEditing() && showsText && overflow > 0) {
        textArea = area.offsetBy(-overflow, 0);
    }
    cairo_save(cairo);
    cairo_rectangle(cairo, area.minX(), area.minY(), area.width(), area.height());
    cairo_clip(cairo);
    kit::Color color = showsText ? field.textColor() : kit::Color::tertiaryLabelColor();
    TextPainter::draw(cairo, layout, textArea, field.textAlignment(), field.resolvedColor(color));
    if (field.isEditing()) {
        kit::Point start = TextPainter::origin(layout, textArea, field.textAlignment());
        drawCaret(cairo, field, showsText ? start.x + layout.size().width : start.x, area);
    }
    cairo_restore(cairo);
}

}  // namespace render
