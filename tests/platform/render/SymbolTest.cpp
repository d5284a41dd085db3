#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "platform/kit/ImageView.h"
#include "platform/render/SymbolMap.h"
#include "platform/render/SymbolPainter.h"
#include "tests/platform/render/RenderFixture.h"
#include "tests/support/LogCapture.h"

using kit::Color;
using render::SymbolMap;
using rendertest::white;

namespace {

class SymbolTest : public rendertest::RenderFixture {
  protected:
    render::Surface drawSymbol(const std::string& name, Color tint = Color::blackColor()) {
        auto root = plain({0, 0, 40, 40}, Color::whiteColor());
        auto view = std::make_shared<kit::ImageView>();
        view->setFrame({5, 5, 30, 30});
        view->setImage(kit::Image::systemImageNamed(name));
        view->setContentMode(kit::ContentMode::scaleAspectFit);
        view->setTintColor(tint);
        root->addSubview(view);
        return draw(*root);
    }
};

TEST_F(SymbolTest, KnownSymbolDrawsInTheTintInsideItsViewAndAnUnknownOneDrawsNothing) {
    render::Surface gear = drawSymbol("gear", Color::rgba(0, 0, 1));
    EXPECT_GT(inkCount(gear, 5, 5, 35, 35, white), 150);
    EXPECT_EQ(inkCount(gear, 0, 0, 40, 5, white) + inkCount(gear, 0, 35, 40, 40, white), 0);
    int blue = 0;
    for (int y = 5; y < 35; ++y) {
        for (int x = 5; x < 35; ++x) {
            render::Pixel pixel = gear.pixel(x, y);
            blue += pixel.blue == 255 && pixel.red < 30 && pixel.green < 30 ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 50);

    render::Surface unknown = drawSymbol("no.such.symbol");
    EXPECT_EQ(inkCount(unknown, 0, 0, 40, 40, white), 0);
}

TEST_F(SymbolTest, DifferentNamesDrawDifferentGlyphs) {
    render::Surface plus = drawSymbol("plus");
    render::Surface minus = drawSymbol("minus");
    EXPECT_GT(inkCount(plus, 0, 0, 40, 40, white), inkCount(minus, 0, 0, 40, 40, white));
    EXPECT_EQ(inkCount(minus, 18, 5, 22, 12, white), 0);  // no vertical bar
    EXPECT_GT(inkCount(plus, 18, 5, 22, 12, white), 0);
}

TEST_F(SymbolTest, MapRefusesMalformedLinesAndRepeatedNamesWithTheLineNumber) {
    auto good = SymbolMap::parse("# comment\n\ngear\tsettings\te8b8\r\nplus\tadd\tE145\n");
    ASSERT_TRUE(good.ok());
    EXPECT_EQ(good.value().size(), 2u);
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
    };
    for (const auto& [text, why] : bad) {
        auto parsed = SymbolMap::parse(text);
        ASSERT_FALSE(parsed.ok()) << text;
        EXPECT_NE(parsed.error().description.find(why), std::string::npos)
            << parsed.error().description;
    }
}

TEST_F(SymbolTest, UnreadableMapLeavesEverySymbolOutAndSaysWhy) {
    testsupport::DeviceRoot folder;
    testsupport::LogCapture log;
    render::Resources::setDirectory(folder.hostRoot());

    EXPECT_EQ(SymbolMap::shared().size(), 0u);
    EXPECT_EQ(inkCount(drawSymbol("gear"), 0, 0, 40, 40, white), 0);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find("symbols.tsv"), std::string::npos);
}

// Each code point must be the icon font's own for the glyph name the map gives, and the
// installed font must have it: otherwise a symbol would draw as some other picture or as a
// box.
TEST_F(SymbolTest, EveryMappedGlyphIsTheFontsGlyphOfThatName) {
    ASSERT_TRUE(render::SymbolPainter::isFontAvailable());
    std::ifstream names("/usr/share/fonts-material-design-icons-iconfont/scss/_variables.scss");
    std::stringstream text;
    text << names.rdbuf();
    std::string scss = text.str();
    ASSERT_FALSE(scss.empty());
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

}  // namespace
