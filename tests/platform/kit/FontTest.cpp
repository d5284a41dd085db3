#include "platform/kit/Font.h"

#include <gtest/gtest.h>
#include <pango/pango.h>

#include <string>

#include "platform/kit/TextLayout.h"

namespace {

using kit::Font;
using kit::FontWeight;
using kit::TextLayout;

struct UsedFont {
    std::string family;
    PangoWeight weight;
    double pixelSize;
};

// Reads back what Pango resolved, so a silent fallback to another family shows up.
UsedFont usedFont(const Font& font) {
    TextLayout layout("Cancel", font);
    PangoFontDescription* description =
        pango_font_description_from_string(layout.describeUsedFont().c_str());
    UsedFont used{pango_font_description_get_family(description),
                  pango_font_description_get_weight(description),
                  pango_font_description_get_size(description) / double(PANGO_SCALE)};
    pango_font_description_free(description);
    return used;
}

TEST(Font, EveryWeightResolvesToInterAtThatWeight) {
    struct Case {
        FontWeight weight;
        PangoWeight expected;
    };
    for (Case check : {Case{FontWeight::regular, PANGO_WEIGHT_NORMAL},
                       Case{FontWeight::medium, PANGO_WEIGHT_MEDIUM},
                       Case{FontWeight::semibold, PANGO_WEIGHT_SEMIBOLD},
                       Case{FontWeight::bold, PANGO_WEIGHT_BOLD}}) {
        UsedFont used = usedFont(Font::systemFontOfSize(17, check.weight));
        EXPECT_EQ(used.family, "Inter");
        EXPECT_EQ(used.weight, check.expected);
        // Pango describes sizes in points at 96 dpi: 17 px is 12.75 pt.
        EXPECT_DOUBLE_EQ(used.pixelSize, 12.75);
    }
}

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
