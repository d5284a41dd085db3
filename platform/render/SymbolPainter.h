#pragma once

#include <string_view>

#include "platform/kit/Color.h"
#include "platform/kit/Font.h"
#include "platform/kit/Geometry.h"
#include "platform/render/SymbolMap.h"

using cairo_t = struct _cairo;

namespace render {

// Draws a symbol as its glyph of the icon font, one em square centred in `rect` and as
// large as the rect's shorter side. The icon font has one weight, so heavier symbol
// weights are drawn with a thin outline around the glyph. The map may ask for the glyph's
// edges only, for it in a ring or cut out of a disc, and for it turned.
class SymbolPainter final {
  public:
    static constexpr const char* fontFamily = "Material Icons";

    // False, drawing nothing, for a name outside the shared map.
    static bool draw(cairo_t* cairo, std::string_view symbolName, const kit::Rect& rect,
                     kit::FontWeight weight, const kit::Rgba& color);
    static void draw(cairo_t* cairo, const SymbolMap::Glyph& glyph, const kit::Rect& rect,
                     kit::FontWeight weight, const kit::Rgba& color);
    // Whether the icon font is installed: without it Pango would draw a fallback font's
    // box for every symbol, so symbols are left out instead (and that is logged once).
    static bool isFontAvailable();
    // Whether the icon font has a glyph at `codePoint`.
    static bool hasGlyph(char32_t codePoint);
};

}  // namespace render
