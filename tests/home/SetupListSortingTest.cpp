#include "home/SetupListSorting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora {

namespace {

TEST(SetupListSorting, RecordsOfAnyShapeAreKeptByEverySort) {
    for (const char* sort : {"Setup A-Z", "Setup Z-A", "Date Newest", "Date Oldest", "other"}) {
        SCOPED_TRACE(sort);
        foundation::PlistArray records = {
            foundation::PlistValue("junk"),
            foundation::PlistDictionary{{"setupName", 7}, {"creationDate", 3}},
            foundation::PlistDictionary{{"setupName", "Beta"},
                                        {"creationDate", "3101202412000000"}},
            foundation::PlistDictionary{{"setupName", "Alpha"}, {"creationDate", "32012024120000"}},
        };
        auto sorted = records;
        sortSetupArray(sorted, sort);
        ASSERT_EQ(sorted.size(), records.size());
        for (const auto& record : records) {
            EXPECT_EQ(std::count(sorted.begin(), sorted.end(), record), 1);
        }
    }
}

}  // namespace

}  // namespace kelvora
