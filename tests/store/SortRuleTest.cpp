#include "store/SortRule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/DateFormatter.h"

namespace kelvora {

namespace {

using Names = std::vector<std::string>;
using Rows = std::vector<std::pair<std::string, std::string>>;

class SortRuleTest : public testing::Test {
  protected:
    void SetUp() override { foundation::DateFormatter::setDeviceTimeZone("UTC"); }
    void TearDown() override { foundation::DateFormatter::setDeviceTimeZone(""); }

    static Names sorted(const std::optional<SortRule>& rule, const Rows& rows) {
        std::vector<SortRule::Keys> keys;
        for (const auto& [name, key] : rows) {
            keys.push_back({name, key});
        }
        Names names;
        for (std::size_t index : rule->order(keys)) {
            names.push_back(rows[index].first);
        }
        return names;
    }
};

// U+1F600 is a surrogate pair (D83D DE00), so it sorts before U+FF41, although its UTF-8
// bytes (F0...) come after.
TEST_F(SortRuleTest, NamesCompareByUtf16CodeUnits) {
    Rows rows{{"\uFF41", ""}, {"\U0001F600", ""}, {"z", ""}, {"B", ""}};
    EXPECT_EQ(sorted(SortRule::forFiles("File A-Z"), rows),
              (Names{"B", "z", "\U0001F600", "\uFF41"}));
    EXPECT_EQ(sorted(SortRule::forSetups("Setup Z-A"), rows),
              (Names{"\uFF41", "\U0001F600", "z", "B"}));
}

TEST_F(SortRuleTest, DatesCompareAsInstantsAndKeysThatDoNotParseGoLast) {
    // As text "3112..." sorts after "0101..."; as dates 31 Dec 2025 comes first.
    Rows rows{{"broken", "32132026010000000"},
              {"newyear", "0101202601000000"},
              {"empty", ""},
              {"eve", "3112202511590059"}};
    EXPECT_EQ(sorted(SortRule::forFiles("Date Newest"), rows),
              (Names{"newyear", "eve", "broken", "empty"}));
    EXPECT_EQ(sorted(SortRule::forSetups("Date Oldest"), rows),
              (Names{"eve", "newyear", "broken", "empty"}));
}

// The 12-hour key gives 01:05 and 13:05 of a day one key. Files then go by name, so a list never
// depends on the folder's listing order; Setups keep their list order.
TEST_F(SortRuleTest, EqualDatesGoByNameForFilesAndKeepListOrderForSetups) {
    Rows rows{{"b", "0612202601050000"}, {"a", "0612202601050000"}, {"d", ""}, {"c", ""}};
    EXPECT_EQ(sorted(SortRule::forFiles("Date Newest"), rows), (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(sorted(SortRule::forSetups("Date Newest"), rows), (Names{"b", "a", "d", "c"}));
}

TEST_F(SortRuleTest, EachListKnowsOnlyItsOwnSortValues) {
    EXPECT_FALSE(SortRule::forFiles("Setup A-Z"));
    EXPECT_FALSE(SortRule::forSetups("File A-Z"));
    EXPECT_FALSE(SortRule::forFiles(""));
    EXPECT_TRUE(SortRule::forSetups("Date Oldest"));
}

}  // namespace

}  // namespace kelvora
