#include "store/HexColourCodec.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

namespace kelvora {

namespace {

constexpr std::int32_t kDigitCount = 6;

using NamedColour = std::pair<std::string_view, kit::Color (*)()>;

const std::array<NamedColour, 11>& namedColours() {
    static const std::array<NamedColour, 11> table{{
        {"red", &kit::Color::systemRedColor},
        {"orange", &kit::Color::systemOrangeColor},
        {"yellow", &kit::Color::systemYellowColor},
        {"green", &kit::Color::systemGreenColor},
        {"blue", &kit::Color::systemBlueColor},
        {"teal", &kit::Color::systemTealColor},
        {"indigo", &kit::Color::systemIndigoColor},
        {"purple", &kit::Color::systemPurpleColor},
        {"pink", &kit::Color::systemPinkColor},
        {"default", &kit::Color::labelColor},
        {"tertiary", &kit::Color::tertiaryLabelColor},
    }};
    return table;
}

std::optional<kit::Color> namedColour(std::string_view text) {
    for (const auto& [name, make] : namedColours()) {
        if (name == text) {
            return make();
        }
    }
    return std::nullopt;
}

// White space and newlines as the phone's character sets define them: the space separators,
// tab, line feed to carriage return, next line, and the line and paragraph separators.
bool isWhitespaceOrNewline(char16_t unit) {
    return unit == 0x09 || (unit >= 0x0A && unit <= 0x0D) || unit == 0x85 || unit == 0x2028 ||
           unit == 0x2029 || u_charType(unit) == U_SPACE_SEPARATOR;
}

icu::UnicodeString trimmed(const icu::UnicodeString& text) {
    std::int32_t start = 0;
    std::int32_t end = text.length();
    while (start < end && isWhitespaceOrNewline(text.charAt(start))) {
        ++start;
    }
    while (end > start && isWhitespaceOrNewline(text.charAt(end - 1))) {
        --end;
    }
    return icu::UnicodeString(text, start, end - start);
}

int hexDigitValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    if (unit >= u'A' && unit <= u'F') {
        return unit - u'A' + 10;
    }
    return -1;
}

// Reads two units the way a hex scanner reads them: white space first, then as many hex
// digits as follow. A pair without a digit has no value of its own; it reads as 0.
int scanPair(const icu::UnicodeString& text, std::int32_t offset) {
    std::int32_t index = offset;
    const std::int32_t end = offset + 2;
    while (index < end && isWhitespaceOrNewline(text.charAt(index))) {
        ++index;
    }
    int value = 0;
    for (; index < end && hexDigitValue(text.charAt(index)) >= 0; ++index) {
        value = value * 16 + hexDigitValue(text.charAt(index));
    }
    return value;
}

double component(int byte) {
    // Single precision, as the phone computes it, so that colours compare equal to its own.
    return static_cast<double>(static_cast<float>(byte) / 255.0f);
}

long byteFromComponent(double value) {
    if (!(value >= 0)) {
        return 0;  // negative or not a number
    }
    if (value > 1) {
        return 255;
    }
    return std::lround(static_cast<float>(value * 255.0));
}

}  // namespace

kit::Color HexColourCodec::colorWithHexString(std::string_view text) const {
    if (names_ == Names::system) {
        if (auto named = namedColour(text)) {
            return *named;
        }
    }
    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    icu::UnicodeString digits = trimmed(unicode);
    digits.toUpper(icu::Locale::getRoot());
    if (digits.length() < kDigitCount) {
        return kit::Color::grayColor();
    }
    if (digits.startsWith(icu::UnicodeString(u"0X"))) {
        digits.remove(0, 2);
    }
    if (digits.length() != kDigitCount) {
        return kit::Color::grayColor();
    }
    return kit::Color::rgba(component(scanPair(digits, 0)), component(scanPair(digits, 2)),
                            component(scanPair(digits, 4)), 1);
}

std::string HexColourCodec::hexStringFromColor(const kit::Color& color) {
    const kit::Rgba value = color.components();
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%02lX%02lX%02lX", byteFromComponent(value.red),
                  byteFromComponent(value.green), byteFromComponent(value.blue));
    return std::string(text.data());
}

}  // namespace kelvora
