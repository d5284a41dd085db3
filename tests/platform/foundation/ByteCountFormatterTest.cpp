#include "platform/foundation/ByteCountFormatter.h"

#include <gtest/gtest.h>

#include <limits>

using foundation::ByteCountFormatter;

namespace {

// Rounding at each unit's edge, and the extremes, whose negation would overflow.
TEST(ByteCountFormatterTest, FileSizesInDecimalUnits) {
    struct Row {
        std::int64_t bytes;
        const char* text;
    };
    const Row table[] = {
        {0, "Zero KB"},
        {1, "1 byte"},
        {1000, "1 KB"},
        {1500, "2 KB"},
        {999500, "1 MB"},
        {1234567, "1.2 MB"},
        {999949999, "999.9 MB"},
        {999950000, "1 GB"},
        {3454999999, "3.45 GB"},
        {3455000000, "3.46 GB"},
        {1230000000000000, "1.23 PB"},
        {std::numeric_limits<std::int64_t>::max(), "9.22 EB"},
        {-1, "-1 byte"},
        {std::numeric_limits<std::int64_t>::min(), "-9.22 EB"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(ByteCountFormatter::stringFromByteCount(row.bytes), row.text) << row.bytes;
    }
}

}  // namespace
