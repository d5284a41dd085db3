#include "files/PlistFileSorter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/DateFormatter.h"

namespace kelvora {

namespace {

using Names = std::vector<std::string>;

class PlistFileSorterTest : public testing::Test {
  protected:
    void SetUp() override { foundation::DateFormatter::setDeviceTimeZone("UTC"); }
    void TearDown() override { foundation::DateFormatter::setDeviceTimeZone(""); }

    static std::vector<PlistFileRecord> keyed(
        const std::vector<std::pair<std::string, std::string>>& rows) {
        std::vector<PlistFileRecord> records;
        for (const auto& [name, key] : rows) {
            records.push_back({name, "", key, ""});
        }
        return records;
    }
    static Names names(std::vector<PlistFileRecord> records, std::string_view sortType) {
        PlistFileSorter::sortRecords(records, sortType);
        Names result;
        for (const auto& record : records) {
            result.push_back(record.plistName);
        }
        return result;
    }
};

TEST_F(PlistFileSorterTest, NameSortsCompareUTF16UnitsSoAnEmojiPrecedesFullwidthLetters) {
    // U+1F600 is a surrogate pair (D83D DE00); U+FF41 is one unit above it.
    auto records = keyed({{"\uFF41.plist", ""}, {"\U0001F600.plist", ""}, {"z.plist", ""}});
    EXPECT_EQ(names(records, "File A-Z"), (Names{"z.plist", "\U0001F600.plist", "\uFF41.plist"}));
    EXPECT_EQ(names(records, "File Z-A"), (Names{"\uFF41.plist", "\U0001F600.plist", "z.plist"}));
}

TEST_F(PlistFileSorterTest, KeysThatDoNotParseGoLastInBothDateOrders) {
    auto records = keyed({{"broken.plist", "32132026010000000"},
                          {"old.plist", "0101202001000000"},
                          {"empty.plist", ""},
                          {"new.plist", "0612202611590059"}});
    EXPECT_EQ(names(records, "Date Newest"),
              (Names{"new.plist", "old.plist", "broken.plist", "empty.plist"}));
    EXPECT_EQ(names(records, "Date Oldest"),
              (Names{"old.plist", "new.plist", "broken.plist", "empty.plist"}));
}

TEST_F(PlistFileSorterTest, DateSortsCompareInstantsNotKeyText) {
    // As text "3112..." sorts after "0101..."; as dates 31 Dec 2025 comes first.
    auto records =
        keyed({{"newyear.plist", "0101202601000000"}, {"eve.plist", "3112202511590059"}});
    EXPECT_EQ(names(records, "Date Oldest"), (Names{"eve.plist", "newyear.plist"}));
    EXPECT_EQ(names(records, "Date Newest"), (Names{"newyear.plist", "eve.plist"}));
}

}  // namespace

}  // namespace kelvora
