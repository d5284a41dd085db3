#include "store/UTF16Order.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kelvora {

namespace {

// A permutation of byte values: F0-F4 (four-byte leads) move down to EE-F2, and EE-EF
// (leads of U+E000 to U+FFFF) move up to F3-F4. Every other byte keeps its value.
constexpr std::array<std::uint8_t, 256> makeRank() {
    std::array<std::uint8_t, 256> rank{};
    for (int byte = 0; byte < 256; ++byte) {
        rank[byte] = static_cast<std::uint8_t>(byte);
    }
    for (int byte = 0xF0; byte <= 0xF4; ++byte) {
        rank[byte] = static_cast<std::uint8_t>(byte - 2);
    }
    rank[0xEE] = 0xF3;
    rank[0xEF] = 0xF4;
    return rank;
}

constexpr std::array<std::uint8_t, 256> kRank = makeRank();

}  // namespace

namespace UTF16Order {

int compare(std::string_view a, std::string_view b) {
    auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (left == a.end() || right == b.end()) {
        return (left == a.end() ? 0 : 1) - (right == b.end() ? 0 : 1);
    }
    return kRank[static_cast<std::uint8_t>(*left)] - kRank[static_cast<std::uint8_t>(*right)];
}

}  // namespace UTF16Order

}  // namespace kelvora
