#include "platform/kit/Font.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kit::Font;

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
