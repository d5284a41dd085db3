#include "platform/kit/Font.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kit::Font;

// Which family and weight Pango resolves, and at what size, shows in every golden file's
// measured text.
TEST(Font, SizesThatAreNotPositiveFallBackToTheDefault) {
    Font fallback = Font::systemFontOfSize(kit::Font::defaultSize);
    for (double size : {0.0, -4.0, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(Font::systemFontOfSize(size).pointSize(), Font::defaultSize) << size;
        EXPECT_EQ(Font::systemFontOfSize(size).sizeOfText("Done"), fallback.sizeOfText("Done"));
    }
}

TEST(Font, LineBreaksAndWrappingAtANarrowWidthAddLinesWithinTheWidth) {
    Font body = Font::systemFontOfSize(17);
    double one = body.sizeOfText("Press").height;
    EXPECT_GT(one, 17);
    EXPECT_NEAR(body.sizeOfText("Press\nthe plus\nbutton").height, 3 * one, 0.01);

    const std::string text = "You don't have any files. Press the plus button to add files.";
    kit::Size narrow = body.sizeOfText(text, 120, 0);
    EXPECT_NEAR(body.sizeOfText(text, 1000, 0).height, one, 0.01);
    EXPECT_GT(narrow.height, 3 * one - 0.01);
    EXPECT_LE(narrow.width, 120);
}

TEST(Font, MalformedTextIsMeasuredNotRejected) {
    Font font = Font::systemFontOfSize(17);
    const std::string broken = std::string("ab\xff\xfe", 4) + std::string(1, '\0') + "cd";
    kit::Size size = font.sizeOfText(broken);
    EXPECT_GT(size.width, font.sizeOfText("abcd").width);
    EXPECT_NEAR(size.height, font.lineHeight(), 0.01);
}

}  // namespace
