#include "platform/kit/TextLayout.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <pango/pango.h>

#include <limits>
#include <string>

namespace {

using kit::Font;
using kit::LineBreakMode;
using kit::TextLayout;

const std::string ellipsis = "\u2026";

TextLayout::Options options(std::optional<double> width, int lines,
                            LineBreakMode mode = LineBreakMode::byTruncatingTail) {
    TextLayout::Options result;
    result.width = width;
    result.maximumNumberOfLines = lines;
    result.lineBreakMode = mode;
    return result;
}

TEST(TextLayout, OneLineTooWideEndsInAnEllipsisWithinTheWidth) {
    const std::string title = "A very long section title that cannot fit";
    TextLayout layout(title, Font::systemFontOfSize(18, kit::FontWeight::semibold),
                      options(150, 1));
    EXPECT_TRUE(layout.isTruncated());
    EXPECT_TRUE(layout.shownText().ends_with(ellipsis)) << layout.shownText();
    std::string kept = layout.shownText().substr(0, layout.shownText().size() - ellipsis.size());
    EXPECT_EQ(title.rfind(kept, 0), 0u) << "the kept part starts the title";
    EXPECT_GT(kept.size(), 3u);
    EXPECT_LE(layout.size().width, 150);
}

TEST(TextLayout, ClippingKeepsTheWholeLineAndReportsTheWidthGiven) {
    const std::string name = "Extraordinarily long setup name";
    TextLayout layout(name, Font::boldSystemFontOfSize(18),
                      options(100, 1, LineBreakMode::byClipping));
    EXPECT_EQ(layout.shownText(), name);
    EXPECT_DOUBLE_EQ(layout.size().width, 100);
}

TEST(TextLayout, LineLimitCountsParagraphsAndWrappedLinesAlike) {
    Font font = Font::systemFontOfSize(22);
    TextLayout paragraphs("one\ntwo\nthree\nfour", font, options(std::nullopt, 2));
    EXPECT_EQ(paragraphs.numberOfLines(), 2);
    EXPECT_EQ(paragraphs.shownText().rfind("one\n", 0), 0u);
    EXPECT_NEAR(paragraphs.size().height, 2 * font.lineHeight(), 0.01);
    TextLayout crlf("one\r\ntwo\r\nthree\rfour", font, options(std::nullopt, 2));
    EXPECT_EQ(crlf.numberOfLines(), 2) << "every kind of line break counts";

    const std::string message =
        "Copying files into the setup folder, please wait while every file is copied.";
    TextLayout wrapped(message, Font::systemFontOfSize(18), options(200, 2));
    EXPECT_EQ(wrapped.numberOfLines(), 2);
    EXPECT_TRUE(wrapped.isTruncated());
    EXPECT_TRUE(wrapped.shownText().ends_with(ellipsis));
    EXPECT_LE(wrapped.size().width, 200);
    // A kept line that wrapped after a space must not wrap again once cut there.
    TextLayout cut("You don't have any files. \nPress the plus button to add files.",
                   Font::systemFontOfSize(17), options(120, 2));
    EXPECT_EQ(cut.numberOfLines(), 2) << cut.shownText();
    EXPECT_NEAR(cut.size().height, 2 * Font::systemFontOfSize(17).lineHeight(), 0.01);
}

TEST(TextLayout, TheLinesBeforeTheLastAllowedKeepTheirBreaks) {
    const std::string message = "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda";
    Font font = Font::systemFontOfSize(18);
    TextLayout full(message, font, options(110, 0));
    TextLayout limited(message, font, options(110, 3));
    ASSERT_GT(full.numberOfLines(), 3);
    PangoLayoutLine* fullSecond = pango_layout_get_line_readonly(full.pangoLayout(), 1);
    PangoLayoutLine* limitedSecond = pango_layout_get_line_readonly(limited.pangoLayout(), 1);
    std::string kept = message.substr(fullSecond->start_index, fullSecond->length);
    kept.erase(kept.find_last_not_of(' ') + 1);  // the space before the cut goes
    EXPECT_EQ(kept, limited.shownText().substr(limitedSecond->start_index, limitedSecond->length));
    EXPECT_EQ(limited.numberOfLines(), 3);
}

TEST(TextLayout, TruncationNeverSplitsACharacterOrAnEmoji) {
    const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
    std::string text;
    for (int count = 0; count < 30; ++count) {
        text += family;
    }
    TextLayout layout(text, Font::systemFontOfSize(17), options(90, 1));
    ASSERT_TRUE(layout.isTruncated());
    const std::string& shown = layout.shownText();
    EXPECT_TRUE(g_utf8_validate(shown.data(), static_cast<gssize>(shown.size()), nullptr));
    std::string kept = shown.substr(0, shown.size() - ellipsis.size());
    EXPECT_EQ(kept.size() % family.size(), 0u) << "only whole emoji are kept";
}

TEST(TextLayout, ZeroAndNegativeWidthsStillGiveALayout) {
    for (double width : {0.0, -50.0}) {
        TextLayout layout("Done", Font::systemFontOfSize(17), options(width, 1));
        EXPECT_EQ(layout.size().width, 0);
        EXPECT_TRUE(layout.isTruncated());
    }
}

// Which family and weight Pango resolves, and at what size, shows in every golden file's
// measured text; how lines break is the text layout's, which measuring hands the text to.
TEST(Font, SizesThatAreNotPositiveFallBackToTheDefault) {
    Font fallback = Font::systemFontOfSize(kit::Font::defaultSize);
    for (double size : {0.0, -4.0, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(Font::systemFontOfSize(size).pointSize(), Font::defaultSize) << size;
        EXPECT_EQ(Font::systemFontOfSize(size).sizeOfText("Done"), fallback.sizeOfText("Done"));
    }
}

TEST(Font, MalformedTextIsMeasuredNotRejected) {
    Font font = Font::systemFontOfSize(17);
    const std::string broken = std::string("ab\xff\xfe", 4) + std::string(1, '\0') + "cd";
    kit::Size size = font.sizeOfText(broken);
    EXPECT_GT(size.width, font.sizeOfText("abcd").width);
    EXPECT_NEAR(size.height, font.lineHeight(), 0.01);
}

}  // namespace
