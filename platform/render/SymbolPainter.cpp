#include "platform/render/SymbolPainter.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/foundation/Log.h"
#include "platform/kit/TextLayout.h"
#include "platform/render/Paint.h"

namespace render {

namespace {

// Unhinted like the kit's text, so a glyph has the same shape at every scale.
PangoContext* symbolContext() {
    static PangoContext* context = [] {
        PangoContext* made = pango_font_map_create_context(kit::TextLayout::fontMap());
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(made, options);
        cairo_font_options_destroy(options);
        return made;
    }();
    return context;
}

std::string utf8(char32_t codePoint) {
    char buffer[8] = {};
    int length = g_unichar_to_utf8(static_cast<gunichar>(codePoint), buffer);
    return std::string(buffer, static_cast<std::size_t>(length));
}

PangoLayout* glyphLayout(char32_t codePoint, double size) {
    PangoLayout* layout = pango_layout_new(symbolContext());
    PangoFontDescription* description =
        pango_font_description_from_string(SymbolPainter::fontFamily);
    pango_font_description_set_absolute_size(description, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);
    std::string text = utf8(codePoint);
    pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    return layout;
}

double outlineWidth(kit::FontWeight weight, double size) {
    switch (weight) {
        case kit::FontWeight::medium:
            return size * 0.015;
        case kit::FontWeight::semibold:
            return size * 0.03;
        case kit::FontWeight::bold:
            return size * 0.045;
        case kit::FontWeight::regular:
            break;
    }
    return 0;
}

// A glyph drawn by its edges alone keeps strokes this thick, for its size.
constexpr double kEdgeWidth = 0.045;

// The glyph's layout, with the current point where it starts when centred on the origin.
PangoLayout* centredGlyph(cairo_t* cairo, char32_t codePoint, double size) {
    PangoLayout* layout = glyphLayout(codePoint, size);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    cairo_move_to(cairo, -double(logical.width) / PANGO_SCALE / 2,
                  -double(logical.height) / PANGO_SCALE / 2);
    return layout;
}

void addGlyphPath(cairo_t* cairo, char32_t codePoint, double size) {
    PangoLayout* layout = centredGlyph(cairo, codePoint, size);
    pango_cairo_layout_path(cairo, layout);
    g_object_unref(layout);
}

void drawPlain(cairo_t* cairo, char32_t codePoint, double size, double outline) {
    // Glyphs shown as text come from Cairo's glyph cache; only an outline needs the path.
    if (outline <= 0) {
        PangoLayout* layout = centredGlyph(cairo, codePoint, size);
        pango_cairo_show_layout(cairo, layout);
        g_object_unref(layout);
        return;
    }
    addGlyphPath(cairo, codePoint, size);
    cairo_set_line_width(cairo, outline);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_fill_preserve(cairo);
    cairo_stroke(cairo);
}

// The glyph at a little over half size inside a ring, or cut out of a disc. Drawn as a group
// so that the cut-out shows what lies under the symbol.
void drawInCircle(cairo_t* cairo, const SymbolMap::Glyph& glyph, double size, double outline) {
    cairo_push_group(cairo);
    cairo_arc(cairo, 0, 0, size * 0.42, 0, 2 * M_PI);
    if (glyph.form == SymbolMap::Form::disc) {
        cairo_fill(cairo);
        cairo_set_operator(cairo, CAIRO_OPERATOR_DEST_OUT);
    } else {
        cairo_set_line_width(cairo, size * 0.07 + outline);
        cairo_stroke(cairo);
    }
    addGlyphPath(cairo, glyph.codePoint, size * 0.55);
    cairo_fill(cairo);
    cairo_pop_group_to_source(cairo);
    cairo_paint(cairo);
}

}  // namespace

bool SymbolPainter::isFontAvailable() {
    static const bool available = [] {
        PangoFontDescription* description = pango_font_description_from_string(fontFamily);
        PangoFont* font =
            pango_font_map_load_font(kit::TextLayout::fontMap(), symbolContext(), description);
        pango_font_description_free(description);
        bool found = false;
        if (font != nullptr) {
            PangoFontDescription* used = pango_font_describe(font);
            found = std::string(pango_font_description_get_family(used)) == fontFamily;
            pango_font_description_free(used);
            g_object_unref(font);
        }
        if (!found) {
            foundation::Log::write("The symbol font \"Material Icons\" is not installed.");
        }
        return found;
    }();
    return available;
}

bool SymbolPainter::hasGlyph(char32_t codePoint) {
    if (!isFontAvailable()) {
        return false;
    }
    PangoLayout* layout = glyphLayout(codePoint, 24);
    bool known = pango_layout_get_unknown_glyphs_count(layout) == 0;
    g_object_unref(layout);
    return known;
}

bool SymbolPainter::draw(cairo_t* cairo, std::string_view symbolName, const kit::Rect& rect,
                         kit::FontWeight weight, const kit::Rgba& color) {
    const SymbolMap::Glyph* glyph = SymbolMap::shared().find(symbolName);
    if (glyph == nullptr) {
        return false;
    }
    draw(cairo, *glyph, rect, weight, color);
    return true;
}

void SymbolPainter::draw(cairo_t* cairo, const SymbolMap::Glyph& glyph, const kit::Rect& rect,
                         kit::FontWeight weight, const kit::Rgba& color) {
    double size = std::min(rect.width(), rect.height());
    if (size <= 0 || !Paint::isVisible(color) || !isFontAvailable()) {
        return;
    }
    cairo_save(cairo);
    Paint::setColor(cairo, color);
    cairo_translate(cairo, rect.midX(), rect.midY());
    cairo_rotate(cairo, glyph.turnDegrees * M_PI / 180);
    double outline = outlineWidth(weight, size);
    switch (glyph.form) {
        case SymbolMap::Form::plain:
            drawPlain(cairo, glyph.codePoint, size, outline);
            break;
        case SymbolMap::Form::outline:
            addGlyphPath(cairo, glyph.codePoint, size);
            cairo_set_line_width(cairo, size * kEdgeWidth + outline);
            cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cairo);
            break;
        case SymbolMap::Form::ring:
        case SymbolMap::Form::disc:
            drawInCircle(cairo, glyph, size, outline);
            break;
    }
    cairo_restore(cairo);
}

}  // namespace render
