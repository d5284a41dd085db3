#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "platform/render/AssetLoader.h"
#include "platform/render/Resources.h"
#include "platform/render/SymbolMap.h"
#include "tests/support/DeviceRoot.h"

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
    std::stringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

// A symbol name added to the code or to the settings without a glyph in the map, or a social
// row's picture missing from the assets, fails here rather than drawing an empty square. In
// code, a name is a dotted lower-case literal in a statement that mentions a symbol, an icon,
// a menu action or a bar item before it.
TEST(SymbolCoverageTest, EverySymbolTheAppNamesHasAGlyphAndEverySocialPictureAnAsset) {
    fs::path source = testsupport::sourceDir();
    render::Resources::setDirectory(source / "resources");
    auto map = render::SymbolMap::load(source / "resources" / "symbols.tsv");
    ASSERT_TRUE(map.ok()) << map.error().description;
    // Comment lines and asset pictures, which are named like symbols, are no symbols.
    static const std::regex unused(R"((^|\n)[ \t]*//[^\n]*|\bimageNamed\(\s*"[^"]*"\s*\))");
    static const std::regex marker(
        "systemImageNamed|[sS]ymbol|[iI]con|MenuAction|BarButtonItem|TabBarItem");
    static const std::regex literal(R"lit("([a-z0-9]+(?:\.[a-z0-9]+)*)")lit");
    std::map<std::string, std::string> used;  // name, where
    for (const char* folder :
         {"platform", "store", "appearance", "ui", "home", "files", "settings", "app"}) {
        for (const auto& file : fs::recursive_directory_iterator(source / folder)) {
            std::string code = std::regex_replace(contents(file.path()), unused, "");
            for (std::sregex_iterator it(code.begin(), code.end(), marker), end; it != end; ++it) {
                std::size_t from = static_cast<std::size_t>(it->position() + it->length());
                std::string statement = code.substr(from, code.find(';', from) - from);
                for (std::sregex_iterator name(statement.begin(), statement.end(), literal);
                     name != end; ++name) {
                    used.emplace((*name)[1], file.path().filename().string());
                }
            }
        }
    }
    // Every settings row's "Icon": a picture for social rows, a symbol otherwise.
    std::map<std::string, bool> social;
    std::string plist = contents(source / "resources" / "QVSettings.plist");
    static const std::regex icon(R"(<key>Icon</key>\s*<string>([^<]+)</string>)");
    for (auto at = plist.find("<dict>"); at != std::string::npos;
         at = plist.find("<dict>", at + 1)) {
        std::string row = plist.substr(
            at, std::min(plist.find("</dict>", at), plist.find("<dict>", at + 1)) - at);
        std::smatch name;
        if (std::regex_search(row, name, icon)) {
            social[name[1]] = row.find("ZerovinPrefsSocialCell") != std::string::npos;
        }
    }
    int pictures = 0;
    for (const auto& [name, isPicture] : social) {
        pictures += isPicture ? 1 : 0;
        if (!isPicture) {
            used.emplace(name, "QVSettings.plist");
        } else {
            auto size = render::AssetLoader::shared().size(name);
            EXPECT_TRUE(size && size->width > 0 && size->width == size->height)
                << name << " is no square picture, which a rounded tile would crop";
        }
    }
    EXPECT_GT(pictures, 0);
    ASSERT_GT(used.size(), 140u) << "the scan finds the picker's list and more";
    for (const auto& [name, where] : used) {
        EXPECT_NE(map.value().find(name), nullptr)
            << "\"" << name << "\" (" << where << ") is not in resources/symbols.tsv";
    }
}

}  // namespace
