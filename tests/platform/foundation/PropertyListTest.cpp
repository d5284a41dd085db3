#include "platform/foundation/PropertyList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/foundation/BinaryPlistWriter.h"
#include "platform/foundation/FileManager.h"
#include "tests/support/DeviceRoot.h"

using namespace foundation;

namespace {

TEST(PropertyListTest, WriterOutputIsTheStandardFormWithEscapes) {
    auto text = xmlPropertyList(PlistValue(PlistDictionary{
        {"b", "x<y & \a\r"}, {"a", PlistArray{}}, {"c", PlistData{'h', 'i', '!'}}}));
    EXPECT_EQ(text,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
              "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
              "<plist version=\"1.0\">\n"
              "<dict>\n"
              "\t<key>a</key>\n"
              "\t<array/>\n"
              "\t<key>b</key>\n"
              "\t<string>x&lt;y &amp; &#7;&#13;</string>\n"
              "\t<key>c</key>\n"
              "\t<data>aGkh</data>\n"
              "</dict>\n"
              "</plist>\n");
}

// Exact reals, whole dates and the extremes are checked against plistlib in PlistInteropTest;
// here, what the text form cannot hold as it is, and what only the binary form holds.
TEST(PropertyListTest, ANanReadsBackFarDatesClampAndABinaryRewriteKeepsEveryText) {
    auto nan = parsePropertyList(xmlPropertyList(PlistValue(std::nan(""))));
    EXPECT_TRUE(nan && nan->is<double>() && std::isnan(*nan->get<double>()));
    // Dates beyond the years the text form holds are clamped to 0001-01-01 and 9999-12-31.
    auto clamped =
        parsePropertyList(xmlPropertyList(PlistArray{PlistDate{1e15}, PlistDate{-1e15}}));
    EXPECT_EQ(*clamped,
              PlistValue(PlistArray{PlistDate{252423993599.0}, PlistDate{-63113904000.0}}));

    // The binary form's single-byte text holds any bytes and its two-byte text any character,
    // NUL included; a binary rewrite keeps them all.
    PlistValue value(PlistDictionary{
        {"raw", std::string("a\x96z")}, {"nul", std::string("caf\0e", 5)}, {"text", "caf\u00e9"}});
    EXPECT_EQ(parsePropertyList(binaryPropertyList(value)), value);
}

TEST(PropertyListTest, UnstorableValuesOrAMissingFolderAreRefusedAndTheFileKept) {
    testsupport::DeviceRoot root;
    root.makeFolder("/p");
    ASSERT_TRUE(writeToFile({{"kept", 1}}, "/p/a.plist"));
    auto refused = writeToFile({{"text", std::string("a\0b", 3)}}, "/p/a.plist");
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().description.find("/p/a.plist"), std::string::npos);
    PlistValue deep = PlistArray{};
    for (int i = 0; i < maximumPropertyListNesting; ++i) {
        deep = PlistValue(PlistArray{deep});
    }
    EXPECT_FALSE(writeToFile({{"deep", deep}}, "/p/a.plist"));
    EXPECT_EQ(dictionaryWithContentsOfFile("/p/a.plist"), (PlistDictionary{{"kept", 1}}));

    auto missing = writeToFile({{"a", 1}}, "/missing/a.plist");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().description.find("/missing/a.plist"), std::string::npos);
    EXPECT_FALSE(FileManager::defaultManager().fileExists("/missing"));
}

using Conversion = std::tuple<PlistValue, bool, std::int64_t, int>;

TEST(PropertyListTest, NumbersAndStringsConvertLikeThePhone) {
    constexpr auto int64Max = std::numeric_limits<std::int64_t>::max();
    constexpr auto int64Min = std::numeric_limits<std::int64_t>::min();
    constexpr auto intMax = std::numeric_limits<int>::max();
    constexpr auto intMin = std::numeric_limits<int>::min();
    for (const auto& [value, boolValue, longLongValue, intValue] :
         {Conversion{"", false, 0, 0},
          {"  42abc", true, 42, 42},
          {"\t\n-17", true, -17, -17},
          {"+0005", true, 5, 5},
          {"-0", false, 0, 0},
          {"YES", true, 0, 0},
          {"yes", true, 0, 0},
          {"true", true, 0, 0},
          {"-00t", true, 0, 0},
          {"No", false, 0, 0},
          {"0.9", false, 0, 0},
          {"x1", false, 0, 0},
          {"99999999999999999999", true, int64Max, intMax},
          {"-99999999999999999999", true, int64Min, intMin},
          {"-9223372036854775808", true, int64Min, intMin},
          {"3000000000", true, 3000000000, intMax},
          {std::int64_t{0}, false, 0, 0},
          {std::int64_t{-3}, true, -3, -3},
          {std::int64_t{4294967301}, true, 4294967301, 5},
          {2.9, true, 2, 2},
          {-2.9, true, -2, -2},
          {0.4, true, 0, 0},
          {1e30, true, int64Max, intMax},
          {std::nan(""), true, 0, 0},
          {true, true, 1, 1},
          {false, false, 0, 0},
          {PlistDate{5}, false, 0, 0},
          {PlistArray{1}, false, 0, 0}}) {
        std::string shown = xmlPropertyList(value);
        EXPECT_EQ(value.boolValue(), boolValue) << shown;
        EXPECT_EQ(value.longLongValue(), longLongValue) << shown;
        EXPECT_EQ(value.intValue(), intValue) << shown;
    }
}

}  // namespace
