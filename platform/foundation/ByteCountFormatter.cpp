#include "platform/foundation/ByteCountFormatter.h"

#include <array>

namespace foundation {

namespace {

struct Unit {
    const char* name;
    std::uint64_t bytes;
    int decimals;
};

constexpr std::array<Unit, 6> units{{
    {"KB", 1'000, 0},
    {"MB", 1'000'000, 1},
    {"GB", 1'000'000'000, 2},
    {"TB", 1'000'000'000'000, 2},
    {"PB", 1'000'000'000'000'000, 2},
    {"EB", 1'000'000'000'000'000'000, 2},
}};

std::uint64_t powerOfTen(int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 10;
    }
    return result;
}

std::string inUnit(std::uint64_t scaled, const Unit& unit) {
    std::uint64_t divisor = powerOfTen(unit.decimals);
    std::string text = std::to_string(scaled / divisor);
    std::uint64_t fraction = scaled % divisor;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, static_cast<std::size_t>(unit.decimals) - digits.size(), '0');
        while (digits.back() == '0') {
            digits.pop_back();
        }
        text += "." + digits;
    }
    return text + " " + unit.name;
}

}  // namespace

std::string ByteCountFormatter::stringFromByteCount(std::int64_t byteCount) {
    if (byteCount == 0) {
        return "Zero KB";
    }
    std::string sign = byteCount < 0 ? "-" : "";
    // Negated in unsigned arithmetic, where the most negative count has a magnitude.
    std::uint64_t bytes = byteCount < 0 ? 0 - static_cast<std::uint64_t>(byteCount)
                                        : static_cast<std::uint64_t>(byteCount);
    if (bytes < 1000) {
        return sign + std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    }
    for (std::size_t i = 0; i < units.size(); ++i) {
        const Unit& unit = units[i];
        std::uint64_t step = unit.bytes / powerOfTen(unit.decimals);
        std::uint64_t scaled = bytes / step + (bytes % step >= (step + 1) / 2 ? 1 : 0);
        bool last = i + 1 == units.size();
        if (last || scaled < 1000 * powerOfTen(unit.decimals)) {
            return sign + inUnit(scaled, unit);
        }
    }
    return {};
}

}  // namespace foundation
