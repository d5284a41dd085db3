#include "home/SetupListSorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvora {

namespace {

foundation::PlistArray named(const std::vector<std::string>& names) {
    foundation::PlistArray records;
    for (const auto& name : names) {
        records.push_back(foundation::PlistDictionary{{"setupName", name}});
    }
    return records;
}

std::vector<std::string> namesOf(const foundation::PlistArray& records) {
    std::vector<std::string> names;
    for (const auto& record : records) {
        const auto* dictionary = record.get<foundation::PlistDictionary>();
        const auto* name = dictionary && dictionary->count("setupName")
                               ? dictionary->find("setupName")->second.get<std::string>()
                               : nullptr;
        names.push_back(name ? *name : "?");
    }
    return names;
}

// The phone compares UTF-16 code units: a character beyond the basic plane (a surrogate
// pair, D83D...) comes before U+FF21, although its UTF-8 bytes (F0...) come after.
TEST(SetupListSorting, NamesCompareByUtf16CodeUnits) {
    auto records = named({"\uFF21", "\U0001F600", "a", "B"});
    sortSetupArray(records, "Setup A-Z");
    EXPECT_EQ(namesOf(records), (std::vector<std::string>{"B", "a", "\U0001F600", "\uFF21"}));
    sortSetupArray(records, "Setup Z-A");
    EXPECT_EQ(namesOf(records), (std::vector<std::string>{"\uFF21", "\U0001F600", "a", "B"}));
}

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
