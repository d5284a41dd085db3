#include "platform/foundation/PlistPrecheck.h"

#include <gtest/gtest.h>

#include "platform/foundation/FastXmlPlistReader.h"

using namespace foundation;

namespace {

std::string nested(std::string_view open, int depth) {
    std::string text = "<plist>";
    for (int i = 0; i < depth; ++i) {
        text += open;
    }
    for (int i = 0; i < depth; ++i) {
        text += "</array>";
    }
    return text + "</plist>";
}

// Each opens a level that the parser underneath reads, wrapped so that a scan taking a tag's
// first ">" for its end, or a comment, a processing instruction or a document type for
// shorter than it is, would miss the level or see a closing tag that is not there.
TEST(PlistPrecheckTest, NoDisguiseHidesANestingLevel) {
    for (std::string_view open :
         {R"(<array a="/>">)", "<array><!--></array>-->", R"(<array><?pi "?></array>"?>)",
          R"(<array><!DOCTYPE x "></array>">)",
          R"(<array><!DOCTYPE x [ <!ENTITY e "]></array>"> ]>)",
          "<array><string><![CDATA[</array>]]></string>"}) {
        auto three = parsePropertyListWithLibplist(nested(open, 3));
        ASSERT_TRUE(three) << open;
        EXPECT_TRUE(three->get<PlistArray>()->back().get<PlistArray>()->back().is<PlistArray>())
            << open;
        EXPECT_TRUE(PlistPrecheck::acceptable(nested(open, 512), 512)) << open;
        EXPECT_FALSE(PlistPrecheck::acceptable(nested(open, 513), 512)) << open;
    }
    // An empty first container is the parent of what follows it.
    EXPECT_EQ(parsePropertyListWithLibplist("<array/><array><true/></array>"),
              PlistValue(PlistArray{PlistArray{true}}));
    std::string afterEmptyRoot = "<array/>";
    for (int i = 0; i < 512; ++i) {
        afterEmptyRoot += "<array>";
    }
    EXPECT_FALSE(PlistPrecheck::acceptable(afterEmptyRoot, 512));
}

}  // namespace
