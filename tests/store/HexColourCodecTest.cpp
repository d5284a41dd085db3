#include "store/HexColourCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>

namespace kelvora {

namespace {

const HexColourCodec plain;
const HexColourCodec withNames(HexColourCodec::Names::system);

kit::Rgba bytes(int red, int green, int blue) {
    return {red / 255.0, green / 255.0, blue / 255.0, 1};
}

std::string hex(int red, int green, int blue) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", red, green, blue);
    return text;
}

void expectNear(const kit::Rgba& actual, const kit::Rgba& expected, const std::string& input) {
    EXPECT_NEAR(actual.red, expected.red, 1e-6) << input;
    EXPECT_NEAR(actual.green, expected.green, 1e-6) << input;
    EXPECT_NEAR(actual.blue, expected.blue, 1e-6) << input;
    EXPECT_EQ(actual.alpha, expected.alpha) << input;
}

TEST(HexColourCodec, AcceptsCaseSurroundingSpaceAndAHexPrefix) {
    for (std::string input : {"04C7BE", "04c7be", " 04C7BE\n", "\t04c7BE \r\n", "0x04C7BE",
                              "0X04c7be", "\u00A004C7BE\u2028"}) {
        expectNear(plain.colorWithHexString(input).components(), bytes(4, 199, 190), input);
    }
}

TEST(HexColourCodec, ReadsMalformedStringsAsGray) {
    for (std::string input : {"#04C7BE", "4C7BE", "04C7BEFF", "", "     ", "0x4C7BE", "04 C7BE0",
                              "0x0x04C7BE", "Red"}) {
        EXPECT_EQ(plain.colorWithHexString(input), kit::Color::grayColor()) << input;
    }
}

TEST(HexColourCodec, ReadsEachPairOnlyAsFarAsItHoldsHexDigits) {
    // "4G" stops at G; " 7" skips its space; "ZZ" has no digit and reads as 0.
    expectNear(plain.colorWithHexString("4G 7ZZ").components(), bytes(4, 7, 0), "4G 7ZZ");
    expectNear(plain.colorWithHexString("-1FF00").components(), bytes(0, 255, 0), "-1FF00");
}

TEST(HexColourCodec, CountsLengthAfterUpperCasingAsThePhoneDoes) {
    // The ligature "ﬀ" upper-cases to "FF", so the string becomes six hex digits.
    expectNear(plain.colorWithHexString("\uFB008000").components(), bytes(255, 128, 0), "ff lig");
    // "é" is one UTF-16 unit but two UTF-8 bytes: six units, of which the pair "é0" reads as 0.
    expectNear(plain.colorWithHexString("\u00E90A0B0").components(), bytes(0, 160, 176), "e");
}

TEST(HexColourCodec, ComputesComponentsInSinglePrecision) {
    kit::Rgba value = plain.colorWithHexString("01FE80").components();
    EXPECT_EQ(value.red, static_cast<double>(1.0f / 255.0f));
    EXPECT_EQ(value.green, static_cast<double>(254.0f / 255.0f));
    EXPECT_EQ(value.blue, static_cast<double>(128.0f / 255.0f));
}

TEST(HexColourCodec, WritesSixUpperCaseDigitsRoundingHalvesUpAndClamping) {
    EXPECT_EQ(HexColourCodec::hexStringFromColor(kit::Color::rgba(1, 0.5, 0)), "FF8000");
    EXPECT_EQ(HexColourCodec::hexStringFromColor(kit::Color::rgba(10 / 255.0, 0.1, 1)), "0A1AFF");
    EXPECT_EQ(HexColourCodec::hexStringFromColor(kit::Color::rgba(1.7, -0.2, 255)), "FF00FF");
    EXPECT_EQ(HexColourCodec::hexStringFromColor(kit::Color::rgba(-1e300, 1e300, 1.0000001)),
              "00FFFF");
    EXPECT_EQ(HexColourCodec::hexStringFromColor(kit::Color::rgba(std::nan(""), 0.5, 0)), "008000");
}

TEST(HexColourCodec, RoundTripsEveryValueOfEachChannelInEitherCase) {
    for (int value = 0; value < 256; ++value) {
        for (const std::string& text :
             {hex(value, 0, 0), hex(0, value, 0), hex(0, 0, value), hex(value, value, value)}) {
            std::string lower = text;
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            ASSERT_EQ(HexColourCodec::hexStringFromColor(plain.colorWithHexString(text)), text);
            ASSERT_EQ(HexColourCodec::hexStringFromColor(plain.colorWithHexString(lower)), text);
        }
    }
}

// Case and spacing of names are covered through the settings screen's colours.
TEST(HexColourCodec, NamedColoursOnlyWhenAskedFor) {
    EXPECT_EQ(withNames.colorWithHexString("default"), kit::Color::labelColor());
    EXPECT_EQ(plain.colorWithHexString("red"), kit::Color::grayColor());
}

}  // namespace

}  // namespace kelvora
