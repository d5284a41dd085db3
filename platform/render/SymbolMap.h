#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "platform/foundation/Result.h"

namespace render {

// Which glyph of the icon font stands for each symbol name the app uses. The map is a
// tab-separated text: symbol name, the icon font's own name for the glyph, its code point
// in hexadecimal, and optionally how to draw it; "#" starts a comment line. A name outside
// the map draws nothing.
//
// The icon font has one glyph for many symbols that come as a pair (outlined and filled,
// plain and in a circle) and no glyph for some directions, so the last field draws a glyph
// differently, as comma-separated words: "outline" (the glyph's edges only), "ring" (the
// glyph smaller, inside a circle), "disc" (the glyph cut out of a filled circle), and
// "turnN" (turned N degrees clockwise, 0 < N < 360). At most one of the first three.
//
// A file with a malformed line or a name given twice is refused whole, with the line
// number, rather than drawing some symbols with a guessed glyph.
class SymbolMap final {
  public:
    enum class Form { plain, outline, ring, disc };

    struct Glyph {
        std::string fontName;
        char32_t codePoint = 0;
        Form form = Form::plain;
        int turnDegrees = 0;
    };
    using Entries = std::map<std::string, Glyph, std::less<>>;

    SymbolMap() = default;

    static foundation::Result<SymbolMap> parse(std::string_view text);
    static foundation::Result<SymbolMap> load(const std::filesystem::path& file);
    // "symbols.tsv" of the resources folder, loaded once per folder. A map that cannot be
    // read is logged once and taken as empty, so symbols are missing but nothing else is.
    static const SymbolMap& shared();

    const Glyph* find(std::string_view symbolName) const;
    const Entries& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }

  private:
    Entries entries_;
};

}  // namespace render
