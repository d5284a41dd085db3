#include "store/UTF16Order.h"

#include <gtest/gtest.h>
#include <unicode/unistr.h>

#include <random>
#include <string>

namespace kelvora {

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// ICU's UnicodeString compares UTF-16 code units: an independent oracle.
int utf16Oracle(const std::string& a, const std::string& b) {
    return sign(icu::UnicodeString::fromUTF8(a).compare(icu::UnicodeString::fromUTF8(b)));
}

std::string utf8(char32_t c) {
    std::string text;
    return icu::UnicodeString(static_cast<UChar32>(c)).toUTF8String(text);
}

TEST(UTF16OrderTest, PutsCharactersBeyondTheBasicPlaneBeforeTheTopOfIt) {
    std::string emoji = utf8(U'\U0001F600') + ".plist";
    std::string fullwidthA = utf8(U'\uFF41') + ".plist";
    std::string hangul = utf8(U'\uD55C') + ".plist";
    // Code point order (and UTF-8 byte order) would put the emoji last of the three.
    EXPECT_LT(UTF16Order::compare(emoji, fullwidthA), 0);
    EXPECT_GT(UTF16Order::compare(emoji, hangul), 0);
    EXPECT_LT(UTF16Order::compare("1.plist", "B.plist"), 0);
    EXPECT_LT(UTF16Order::compare("B.plist", "a.plist"), 0);
    EXPECT_LT(UTF16Order::compare("a", "a.plist"), 0);
    EXPECT_EQ(UTF16Order::compare("same", "same"), 0);
}

TEST(UTF16OrderTest, AgreesWithUTF16CodeUnitOrderOnRandomNames) {
    const char32_t alphabet[] = {U'A',      U'a',          U'.',          U'0',         U'\u00E9',
                                 U'\u07FF', U'\u0800',     U'\uD7FF',     U'\uE000',    U'\uFF41',
                                 U'\uFFFD', U'\U00010000', U'\U0001F600', U'\U0010FFFF'};
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> pick(0, std::size(alphabet) - 1);
    std::uniform_int_distribution<int> length(0, 4);
    auto name = [&] {
        std::string text;
        for (int i = length(random); i > 0; --i) {
            text += utf8(alphabet[pick(random)]);
        }
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string a = name();
        std::string b = name();
        ASSERT_EQ(sign(UTF16Order::compare(a, b)), utf16Oracle(a, b)) << a << " | " << b;
    }
}

}  // namespace

}  // namespace kelvora
