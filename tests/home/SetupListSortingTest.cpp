#include "home/SetupListSorting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora {

namespace {

// The order itself is the sort rule's; here only what the list does with odd records.
TEST(SetupListSorting, RecordsOfAnyShapeAreKeptAndAnUnknownSortKeepsTheFileOrder) {
    const foundation::PlistArray records = {
        foundation::PlistValue("junk"),
        foundation::PlistDictionary{{"setupName", 7}, {"creationDate", 3}},
        foundation::PlistDictionary{{"setupName", "Beta"}, {"creationDate", "3101202412000000"}},
        foundation::PlistDictionary{{"setupName", "Alpha"}, {"creationDate", "32012024120000"}},
    };
    for (const char* sort : {"Setup A-Z", "Setup Z-A", "Date Newest", "Date Oldest", "other"}) {
        auto sorted = records;
        sortSetupArray(sorted, sort);
        EXPECT_TRUE(
            std::is_permutation(sorted.begin(), sorted.end(), records.begin(), records.end()))
            << sort;
        EXPECT_EQ(sorted == records, std::string_view(sort) == "other") << sort;
    }
}

}  // namespace

}  // namespace kelvora
