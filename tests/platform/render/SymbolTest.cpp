#include <cairo.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/kit/ImageView.h"
#include "platform/render/AssetLoader.h"
#include "platform/render/SymbolMap.h"
#include "platform/render/SymbolPainter.h"
#include "tests/platform/render/RenderFixture.h"
#include "tests/support/LogCapture.h"

using kit::Color;
using render::SymbolMap;

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::stringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

// The names the icon picker offers, read from the list in its source.
std::vector<std::string> pickerSymbolNames() {
    std::string code = contents(testsupport::sourceDir() / "ui" / "IconCollectionView.cpp");
    std::size_t from = code.find("iconArray = {");
    std::string list = code.substr(from, code.find('}', from) - from);
    static const std::regex quoted("\"([^\"]+)\"");
    std::vector<std::string> names;
    for (std::sregex_iterator it(list.begin(), list.end(), quoted), end; it != end; ++it) {
        names.push_back((*it)[1]);
    }
    return names;
}

// Each drawn in blue, 48 points wide, 5 points inside a white square.
class SymbolTest : public rendertest::RenderFixture {
  protected:
    render::Surface drawSymbol(const std::string& name) {
        root->setFrame({0, 0, 58, 58});
        auto view = std::make_shared<kit::ImageView>();
        view->setFrame({5, 5, 48, 48});
        view->setImage(kit::Image::systemImageNamed(name));
        view->setContentMode(kit::ContentMode::scaleAspectFit);
        view->setTintColor(Color::rgba(0, 0, 1));
        root->addSubview(view);
        render::Surface surface = draw(*root);
        view->removeFromSuperview();
        return surface;
    }
};

TEST_F(SymbolTest, EverySymbolThePickerOffersDrawsInTheTintUnlikeEveryOther) {
    std::vector<std::string> names = pickerSymbolNames();
    ASSERT_GT(names.size(), 100u);
    std::map<std::string, std::string> seen;
    for (const auto& name : names) {
        render::Surface surface = drawSymbol(name);
        cairo_surface_flush(surface.cairoSurface());
        std::string pixels(
            reinterpret_cast<const char*>(cairo_image_surface_get_data(surface.cairoSurface())),
            cairo_image_surface_get_stride(surface.cairoSurface()) * surface.height());
        EXPECT_GT(inkCount(surface, 0, 0, 58, 58), 0) << name;
        EXPECT_GT(countIf(surface, [](render::Pixel pixel) { return near(pixel, 0, 0, 255, 30); }),
                  0)
            << name;
        auto [first, added] = seen.emplace(std::move(pixels), name);
        EXPECT_TRUE(added) << name << " draws exactly as " << first->second;
    }
}

TEST_F(SymbolTest, MapRefusesMalformedLinesAndRepeatedNamesWithTheLineNumber) {
    auto good = SymbolMap::parse(
        "# "
        "comment\n\ngear\tsettings\te8b8\r\nplus\tadd\tE145\neye\tvisibility\te8f4\tturn90,ring\n");
    ASSERT_TRUE(good.ok());
    EXPECT_EQ(good.value().size(), 3u);
    EXPECT_EQ(good.value().find("eye")->form, SymbolMap::Form::ring);
    EXPECT_EQ(good.value().find("eye")->turnDegrees, 90);
    EXPECT_EQ(good.value().find("gear")->codePoint, U'\ue8b8');
    EXPECT_EQ(good.value().find("plus")->codePoint, U'\ue145');
    EXPECT_EQ(good.value().find("minus"), nullptr);

    const std::pair<const char*, const char*> bad[] = {
        {"gear\tsettings\te8b8\ngear\tbuild\te869\n", "line 2 names \"gear\" a second time"},
        {"gear settings e8b8\n", "line 1 is not"},
        {"gear\tsettings\n", "line 1 is not"},
        {"gear\tsettings\tzz\n", "line 1 is not"},
        {"gear\tsettings\t0\n", "line 1 is not"},
        {"\tsettings\te8b8\n", "line 1 is not"},
        {"ok\tadd\te145\ngear\tsettings\t1234567\n", "line 2 is not"},
        {"gear\tsettings\te8b8\toutline,disc\n", "line 1 has a drawing"},
        {"gear\tsettings\te8b8\tturn360\n", "line 1 has a drawing"},
        {"gear\tsettings\te8b8\tbold\n", "line 1 has a drawing"},
    };
    for (const auto& [text, why] : bad) {
        auto parsed = SymbolMap::parse(text);
        ASSERT_FALSE(parsed.ok()) << text;
        EXPECT_NE(parsed.error().description.find(why), std::string::npos)
            << parsed.error().description;
    }
}

TEST_F(SymbolTest, ASymbolStaysInItsViewAndAnUnreadableMapLeavesEverySymbolOutAndSaysWhy) {
    render::Surface gear = drawSymbol("gear");
    EXPECT_GT(inkCount(gear, 5, 5, 53, 53), 150);
    EXPECT_EQ(inkCount(gear, 0, 0, 58, 5) + inkCount(gear, 0, 53, 58, 58), 0);

    testsupport::DeviceRoot folder;
    testsupport::LogCapture log;
    render::Resources::setDirectory(folder.hostRoot());

    EXPECT_EQ(SymbolMap::shared().size(), 0u);
    EXPECT_EQ(inkCount(drawSymbol("gear"), 0, 0, 58, 58), 0);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find("symbols.tsv"), std::string::npos);
}

// Each code point must be the icon font's own for the glyph name the map gives, and the
// installed font must have it: otherwise a symbol would draw as some other picture or as a
// box.
TEST_F(SymbolTest, EveryMappedGlyphIsTheFontsGlyphOfThatName) {
    std::string scss =
        contents("/usr/share/fonts-material-design-icons-iconfont/scss/_variables.scss");
    const SymbolMap& map = SymbolMap::shared();
    ASSERT_GT(map.size(), 132u);
    for (const auto& [symbol, glyph] : map.entries()) {
        std::string key = "\"" + glyph.fontName + "\": ";
        std::size_t at = scss.find(key);
        ASSERT_NE(at, std::string::npos) << symbol << " -> " << glyph.fontName;
        EXPECT_EQ(std::stoul(scss.substr(at + key.size(), 6), nullptr, 16), glyph.codePoint)
            << symbol;
        EXPECT_TRUE(render::SymbolPainter::hasGlyph(glyph.codePoint)) << symbol;
    }
}

// A symbol name added to the code or to the settings without a glyph in the map, or a social
// row's picture missing from the assets, fails here rather than drawing an empty square. In
// code, a name is a dotted lower-case literal in a statement that mentions a symbol, an icon,
// a menu action or a bar item before it.
TEST_F(SymbolTest, EverySymbolTheAppNamesHasAGlyphAndEverySocialPictureAnAsset) {
    fs::path source = testsupport::sourceDir();
    const SymbolMap& map = SymbolMap::shared();
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
    std::string plist = contents(source / "resources" / "QVSettings.plist");
    static const std::regex icon(R"(<key>Icon</key>\s*<string>([^<]+)</string>)");
    int pictures = 0;
    for (auto at = plist.find("<dict>"); at != std::string::npos;
         at = plist.find("<dict>", at + 1)) {
        std::string row = plist.substr(
            at, std::min(plist.find("</dict>", at), plist.find("<dict>", at + 1)) - at);
        std::smatch name;
        if (!std::regex_search(row, name, icon)) {
            continue;
        }
        if (row.find("ZerovinPrefsSocialCell") == std::string::npos) {
            used.emplace(name[1], "QVSettings.plist");
            continue;
        }
        ++pictures;
        auto size = render::AssetLoader::shared().size(name[1].str());
        EXPECT_TRUE(size && size->width > 0 && size->width == size->height)
            << name[1] << " is no square picture, which a rounded tile would crop";
    }
    EXPECT_GT(pictures, 0);
    ASSERT_GT(used.size(), 140u) << "the scan finds the picker's list and more";
    for (const auto& [name, where] : used) {
        EXPECT_NE(map.find(name), nullptr)
            << "\"" << name << "\" (" << where << ") is not in resources/symbols.tsv";
    }
}

}  // namespace
