#pragma once

#include <compare>
#include <cstdint>
#include <limits>

namespace kit {

// A row of a table or an item of a collection, within its section. Index paths order by
// section, then by row, which is the order the lists show them in.
struct IndexPath {
    // A row index that means "none": scrolling to it goes to the top of its section.
    static constexpr std::int64_t notFound = std::numeric_limits<std::int64_t>::max();

    std::int64_t section = 0;
    std::int64_t row = 0;

    static constexpr IndexPath forRow(std::int64_t row, std::int64_t section) {
        return {section, row};
    }
    static constexpr IndexPath forItem(std::int64_t item, std::int64_t section) {
        return {section, item};
    }

    // Collections call the row an item.
    constexpr std::int64_t item() const { return row; }

    constexpr auto operator<=>(const IndexPath&) const = default;
};

}  // namespace kit
