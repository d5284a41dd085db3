#include <pango/pangocairo.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/Button.h"
#include "platform/kit/Label.h"
#include "platform/kit/TextField.h"
#include "platform/kit/TextLayout.h"
#include "platform/kit/Window.h"
#include "tests/platform/render/RenderFixture.h"

using kit::Color;
using kit::Rect;
using render::Pixel;
using rendertest::white;

// Where lines break and end in an ellipsis is the layout's, proven in TextLayoutTest; here,
// what only drawing decides: where the text lands, in which colours and fonts.
namespace {

class TextDrawingTest : public rendertest::RenderFixture {
  protected:
    void SetUp() override {
        RenderFixture::SetUp();
        root->setFrame({0, 0, 200, 60});
    }

    // The horizontal extent of pixels that differ from white, or {-1, -1} for none.
    static std::pair<int, int> inkColumns(const render::Surface& surface) {
        std::pair<int, int> extent{-1, -1};
        for (int x = 0; x < surface.width(); ++x) {
            if (inkCount(surface, x, 0, x + 1, surface.height()) > 0) {
                extent = {extent.first < 0 ? x : extent.first, x};
            }
        }
        return extent;
    }

    std::shared_ptr<kit::Label> addLabel(const std::string& text) {
        auto label = std::make_shared<kit::Label>();
        label->setFrame(root->bounds());
        label->setText(text);
        root->addSubview(label);
        return label;
    }
};

TEST_F(TextDrawingTest,
       AlignmentPlacesALineAndATruncatedOrClippedOneStaysInsideTheLabelInItsColour) {
    auto label = addLabel("Done");
    std::vector<std::pair<int, int>> ink;  // left, right, centre
    for (auto alignment :
         {kit::TextAlignment::left, kit::TextAlignment::right, kit::TextAlignment::center}) {
        label->setTextAlignment(alignment);
        ink.push_back(inkColumns(draw(*root)));
    }
    EXPECT_LT(ink[0].first, 5);
    EXPECT_GT(ink[1].second, 194);
    EXPECT_NEAR(ink[2].first + ink[2].second, 200, 6);
    EXPECT_NEAR(ink[0].second - ink[0].first, ink[1].second - ink[1].first, 1);

    label->setText("MMMMMMMMMMMMMMMMMMMMMMMM");
    label->setFrame({0, 0, 120, 60});
    label->setTextAlignment(kit::TextAlignment::left);
    label->setTextColor(Color::rgba(1, 0, 0));
    int truncatedEnd = inkColumns(draw(*root)).second;
    label->setLineBreakMode(kit::LineBreakMode::byClipping);
    render::Surface clipped = draw(*root);
    int clippedEnd = inkColumns(clipped).second;
    EXPECT_LT(truncatedEnd, clippedEnd);
    EXPECT_GE(clippedEnd, 117);  // cut by the frame, whatever gap between glyphs is there
    EXPECT_LT(clippedEnd, 120) << "nothing drawn past the frame";
    // The cores of the strokes are the text colour itself.
    EXPECT_GT(countIf(clipped, [](Pixel pixel) { return near(pixel, 255, 0, 0); }), 40);
}

// The families of the fonts a layout's runs are drawn in.
std::vector<std::string> runFamilies(const kit::TextLayout& layout) {
    std::vector<std::string> families;
    PangoLayoutIter* iterator = pango_layout_get_iter(layout.pangoLayout());
    do {
        if (PangoLayoutRun* run = pango_layout_iter_get_run_readonly(iterator)) {
            PangoFontDescription* used = pango_font_describe(run->item->analysis.font);
            families.emplace_back(pango_font_description_get_family(used));
            pango_font_description_free(used);
        }
    } while (pango_layout_iter_next_run(iterator));
    pango_layout_iter_free(iterator);
    return families;
}

TEST_F(TextDrawingTest, ANameInAnyScriptIsDrawnInInterThenNotoWithoutABox) {
    const std::string names[] = {"Evening สวัสดีตอนเย็น", "夜のセット ＥＶＥ１", "晚上设置",
                                 "إعداد المساء",       "הגדרת ערב",           "Evening 🌙"};
    for (const auto& name : names) {
        kit::TextLayout layout(name, kit::Font::systemFontOfSize(17));
        EXPECT_EQ(pango_layout_get_unknown_glyphs_count(layout.pangoLayout()), 0) << name;
        for (const auto& family : runFamilies(layout)) {
            EXPECT_TRUE(family == "Inter" || family.starts_with("Noto")) << name << ": " << family;
        }
        addLabel(name);
    }
    EXPECT_EQ(runFamilies(kit::TextLayout("Evening 12, 3 KB", kit::Font::systemFontOfSize(17))),
              std::vector<std::string>{"Inter"})
        << "digits and spaces are not emoji";
    EXPECT_EQ(runFamilies(kit::TextLayout("\u2600\uFE0F", kit::Font::systemFontOfSize(17))),
              std::vector<std::string>{"Noto Color Emoji"})
        << "an emoji that text fonts also hold is drawn as emoji";

    // The emoji is a colour bitmap: it must come out in colour among the black letters.
    render::Surface surface = draw(*root, 2);
    EXPECT_GT(countIf(surface, [](Pixel pixel) { return std::abs(pixel.red - pixel.blue) > 60; }),
              20);
}

TEST_F(TextDrawingTest, ASharedLayoutIsReusedOnlyForTheSameTextFontAndOptions) {
    kit::TextLayout::Options narrow{.width = 60, .maximumNumberOfLines = 1};
    kit::TextLayout::Options wide{.width = 600, .maximumNumberOfLines = 1};
    const std::string text = "com.lumen.dockfade.plist";
    auto font = kit::Font::systemFontOfSize(17);
    auto first = kit::TextLayout::shared(text, font, narrow);
    EXPECT_EQ(kit::TextLayout::shared(text, font, narrow), first);
    EXPECT_TRUE(first->isTruncated());
    EXPECT_FALSE(kit::TextLayout::shared(text, font, wide)->isTruncated());
    EXPECT_GT(
        kit::TextLayout::shared(text, kit::Font::boldSystemFontOfSize(17), wide)->size().width,
        kit::TextLayout::shared(text, font, wide)->size().width);
    EXPECT_EQ(kit::TextLayout::shared(text + "x", font, wide)->shownText(), text + "x");
}

TEST_F(TextDrawingTest, InlineSymbolAndButtonTitleTakeTheirOwnColours) {
    auto label = addLabel("");
    label->setTextAlignment(kit::TextAlignment::center);
    auto image = kit::Image::systemImageNamed("gear", {30, kit::FontWeight::regular});
    label->setAttachmentImage(image->imageWithTintColor(Color::rgba(0, 0, 1)));
    render::Surface symbol = draw(*root);
    auto [start, end] = inkColumns(symbol);
    EXPECT_GE(start, 85);
    EXPECT_LE(end, 115);
    EXPECT_GT(countIf(symbol, [](Pixel pixel) { return near(pixel, 0, 0, 255, 30); }), 20);

    label->removeFromSuperview();
    auto button = kit::Button::buttonWithType(kit::ButtonType::system);
    button->setFrame(root->bounds());
    button->setTitle("Restore", kit::ControlState::normal);
    button->setTitleFont(kit::Font::boldSystemFontOfSize(30));
    button->setTintColor(Color::rgba(0, 0.5, 0));
    root->addSubview(button);
    EXPECT_GT(countIf(draw(*root), [](Pixel pixel) { return near(pixel, 0, 128, 0, 3); }), 100);
    button->setHighlighted(true);
    EXPECT_EQ(countIf(draw(*root), [](Pixel pixel) { return pixel.red <= 150; }), 0)
        << "a highlighted title is faint";
}

TEST_F(TextDrawingTest, TextFieldShowsAPlaceholderOrTheEndOfItsTextWithACaret) {
    auto window = std::make_shared<kit::Window>(kit::Screen::classic());
    window->setRootView(root);
    window->makeKeyAndVisible();  // only a field in a key window can start editing
    auto field = std::make_shared<kit::TextField>();
    field->setFrame({0, 0, 200, 60});
    field->setBackgroundColor(Color::whiteColor());
    field->setTintColor(Color::rgba(1, 0, 0));
    root->addSubview(field);
    EXPECT_EQ(inkColumns(draw(*field)).first, -1) << "no caret before editing";

    field->setPlaceholder("Setup name...");
    render::Surface placeholder = draw(*field);
    int start = inkColumns(placeholder).first;
    EXPECT_GE(start, 0);
    EXPECT_EQ(countIf(placeholder, [](Pixel pixel) { return pixel.red <= 120; }), 0)
        << "the placeholder is a light gray";

    field->setText("Dark");
    ASSERT_TRUE(field->becomeFirstResponder());
    render::Surface editing = draw(*field);
    auto [textStart, textEnd] = inkColumns(editing);
    EXPECT_TRUE(near(editing.pixel(textEnd, 30), 255, 0, 0) ||
                near(editing.pixel(textEnd - 1, 30), 255, 0, 0));
    EXPECT_EQ(textStart, start);

    field->setText("a very long name that does not fit in the field at all");
    auto [longStart, longEnd] = inkColumns(draw(*field));
    EXPECT_EQ(longStart, 0);  // the start is cut by the field's edge
    EXPECT_GT(longEnd, 190);  // the caret at the end is in view
    EXPECT_LT(longEnd, 200);
}

}  // namespace
