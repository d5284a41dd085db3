#include <cctype>
#include <cmath>
#include <limits>

#include "platform/foundation/PropertyList.h"

// Conversions as the phone's number and string objects make them: a string's boolValue is
// true when, after leading white space and an optional sign with leading zeros, it starts
// with Y, y, T, t or a digit 1 to 9; its longLongValue reads an optional sign and the digits
// that follow, saturating at the type's limits; intValue saturates a string at 32 bits but
// truncates a 64-bit number to its low 32 bits, as a cast on the device does. A real
// converts by truncation toward zero, saturating (NaN gives 0).
namespace foundation {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view afterSpace(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

bool stringBool(std::string_view text) {
    text = afterSpace(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.front() == '0') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    char c = text.front();
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

std::int64_t stringLongLong(std::string_view text) {
    text = afterSpace(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Accumulated as a negative number, which has room for the most negative value.
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        int digit = c - '0';
        if (value < (lowest + digit) / 10) {
            value = lowest;
            break;
        }
        value = value * 10 - digit;
    }
    if (negative) {
        return value;
    }
    return value == lowest ? std::numeric_limits<std::int64_t>::max() : -value;
}

std::int64_t realLongLong(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 9223372036854775807.0) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value <= -9223372036854775808.0) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value);
}

int saturatedInt(std::int64_t value) {
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

}  // namespace

bool PlistValue::boolValue() const {
    if (auto text = get<std::string>()) {
        return stringBool(*text);
    }
    if (auto number = get<std::int64_t>()) {
        return *number != 0;
    }
    if (auto real = get<double>()) {
        return *real != 0;
    }
    if (auto flag = get<bool>()) {
        return *flag;
    }
    return false;
}

std::int64_t PlistValue::longLongValue() const {
    if (auto text = get<std::string>()) {
        return stringLongLong(*text);
    }
    if (auto number = get<std::int64_t>()) {
        return *number;
    }
    if (auto real = get<double>()) {
        return realLongLong(*real);
    }
    if (auto flag = get<bool>()) {
        return *flag ? 1 : 0;
    }
    return 0;
}

int PlistValue::intValue() const {
    if (auto text = get<std::string>()) {
        return saturatedInt(stringLongLong(*text));
    }
    if (auto number = get<std::int64_t>()) {
        return static_cast<int>(static_cast<std::uint32_t>(*number));
    }
    if (auto real = get<double>()) {
        return saturatedInt(realLongLong(*real));
    }
    return static_cast<int>(longLongValue());
}

}  // namespace foundation
