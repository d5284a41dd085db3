#include "platform/render/SymbolMap.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/foundation/Log.h"
#include "platform/render/Resources.h"

namespace render {

namespace {

// Far more than the map will ever hold; anything larger is not our map.
constexpr std::uintmax_t maximumFileSize = 1 << 20;

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t found = text.find(separator, start);
        parts.emplace_back(text.substr(start, found - start));
        if (found == std::string_view::npos) {
            return parts;
        }
        start = found + 1;
    }
}

// Code points of the icon font live in the private use area, and a glyph is never 0.
std::optional<char32_t> parseCodePoint(const std::string& hex) {
    if (hex.empty() || hex.size() > 6 ||
        hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return std::nullopt;
    }
    auto value = static_cast<char32_t>(std::stoul(hex, nullptr, 16));
    if (value == 0 || value > 0x10FFFF) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseTurn(const std::string& word) {
    if (word.size() < 5 || word.size() > 7 || word.compare(0, 4, "turn") != 0 ||
        word.find_first_not_of("0123456789", 4) != std::string::npos) {
        return std::nullopt;
    }
    int degrees = std::stoi(word.substr(4));
    return degrees > 0 && degrees < 360 ? std::optional(degrees) : std::nullopt;
}

using Form = SymbolMap::Form;

std::optional<Form> parseForm(const std::string& word) {
    if (word == "outline") {
        return Form::outline;
    }
    if (word == "ring") {
        return Form::ring;
    }
    if (word == "disc") {
        return Form::disc;
    }
    return std::nullopt;
}

// Fills in how `glyph` is drawn from the words of a map line's last field.
bool parseDrawing(std::string_view field, SymbolMap::Glyph& glyph) {
    for (const std::string& word : split(field, ',')) {
        if (auto form = parseForm(word); form && glyph.form == Form::plain) {
            glyph.form = *form;
        } else if (auto turn = parseTurn(word); turn && glyph.turnDegrees == 0) {
            glyph.turnDegrees = *turn;
        } else {
            return false;
        }
    }
    return true;
}

foundation::Error lineError(std::size_t number, std::string_view why) {
    return {"The symbol map's line " + std::to_string(number) + " " + std::string(why) + "."};
}

}  // namespace

foundation::Result<SymbolMap> SymbolMap::parse(std::string_view text) {
    SymbolMap map;
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::vector<std::string> fields = split(line, '\t');
        bool counted = fields.size() == 3 || fields.size() == 4;
        std::optional<char32_t> codePoint = counted ? parseCodePoint(fields[2]) : std::nullopt;
        if (!codePoint || fields[0].empty() || fields[1].empty()) {
            return lineError(number, "is not a symbol name, a glyph name and a code point");
        }
        Glyph glyph{fields[1], *codePoint};
        if (fields.size() == 4 && !parseDrawing(fields[3], glyph)) {
            return lineError(number, "has a drawing that is not outline, ring, disc or turnN");
        }
        if (!map.entries_.emplace(fields[0], std::move(glyph)).second) {
            return lineError(number, "names \"" + fields[0] + "\" a second time");
        }
    }
    return map;
}

foundation::Result<SymbolMap> SymbolMap::load(const std::filesystem::path& file) {
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > maximumFileSize) {
        return foundation::Error{"The symbol map \"" + file.string() + "\" could not be read."};
    }
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    if (!stream) {
        return foundation::Error{"The symbol map \"" + file.string() + "\" could not be read."};
    }
    return parse(text.str());
}

const SymbolMap& SymbolMap::shared() {
    static std::map<std::filesystem::path, SymbolMap> loaded;
    std::filesystem::path file = Resources::directory() / "symbols.tsv";
    auto found = loaded.find(file);
    if (found != loaded.end()) {
        return found->second;
    }
    foundation::Result<SymbolMap> result = load(file);
    if (!result) {
        foundation::Log::write(result.error().description);
        return loaded.emplace(file, SymbolMap()).first->second;
    }
    return loaded.emplace(file, std::move(result).value()).first->second;
}

const SymbolMap::Glyph* SymbolMap::find(std::string_view symbolName) const {
    auto found = entries_.find(symbolName);
    return found == entries_.end() ? nullptr : &found->second;
}

}  // namespace render
