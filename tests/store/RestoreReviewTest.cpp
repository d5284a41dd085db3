#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/foundation/DateFormatter.h"
#include "store/PlistDiff.h"
#include "store/RestoreReview.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

void PrintTo(const KeyChange& change, std::ostream* out) {
    *out << static_cast<int>(change.kind) << " " << change.path << ": " << change.before << " -> "
         << change.after;
}

namespace {

using foundation::PlistArray;
using foundation::PlistData;
using foundation::PlistDate;
using foundation::PlistDictionary;
using Kind = KeyChange::Kind;
using Names = std::vector<std::string>;

constexpr const char* kSetup = "/var/mobile/Kelvora/Setup/Work/";
constexpr const char* kPrefs = "/var/jb/vmo/Library/Preferences/";

TEST(RestoreReviewTest, ASetupsEntriesFallIntoThreeGroups) {
    testsupport::DeviceRoot root;
    for (const char* name : {"same.plist", "edited.plist", "longer.plist", "new.plist",
                             "com.zerovin.KelvoraPrefs.plist", ".x.plist.kelvora-Q3xZ9a"}) {
        root.write(kSetup + std::string(name), "abc");
    }
    root.write(kPrefs + std::string("same.plist"), "abc");
    root.write(kPrefs + std::string("edited.plist"), "abd");
    root.write(kPrefs + std::string("longer.plist"), "abcd");
    root.write(kPrefs + std::string("mine.plist"), "abc");

    const RestoreReview review = RestoreReview::of(kSetup, kPrefs);
    EXPECT_EQ(review.willChange, (Names{"edited.plist", "longer.plist"}));
    EXPECT_EQ(review.willBeAdded, Names{"new.plist"});
    EXPECT_EQ(review.alreadySame, Names{"same.plist"});
}

// Expected values worked out by hand; dates in UTC, 2001-01-01 being the epoch of the format.
TEST(RestoreReviewTest, KeysDifferInsideNestedDictionariesAndArraysWithShortValues) {
    foundation::DateFormatter::setDeviceLocale("en_US");
    foundation::DateFormatter::setDeviceTimeZone("UTC");
    const PlistDictionary before{{"Colours", PlistDictionary{{"Accent", "red"}, {"Dim", true}}},
                                 {"Items", PlistArray{1, 2}},
                                 {"Seen", PlistDate{0}},
                                 {"Icon", PlistData(12, 0)},
                                 {"Old", PlistDictionary{{"a", 1}, {"b", 2}}},
                                 {"Mode", PlistArray{1}},
                                 {"Same", 3.5}};
    const PlistDictionary after{
        {"Colours", PlistDictionary{{"Accent", "blue"}, {"Glow", 0.25}}},
        {"Items", PlistArray{1, 3, PlistArray{}}},
        {"Seen", PlistDate{86400 * 365 + 3600}},
        {"Icon", PlistData(2048, 0)},
        {"Mode", "one"},
        {"Note", "Ünïcödé line that runs well past forty characters\nand a second"},
        {"Same", 3.5}};
    EXPECT_EQ(
        PlistDiff::between(before, after),
        (std::vector<KeyChange>{
            {Kind::changed, "Colours.Accent", "\u201Cred\u201D", "\u201Cblue\u201D"},
            {Kind::removed, "Colours.Dim", "true", ""},
            {Kind::added, "Colours.Glow", "", "0.25"},
            {Kind::changed, "Icon", "12 bytes", "2 KB"},
            {Kind::changed, "Items[1]", "2", "3"},
            {Kind::added, "Items[2]", "", "0 items"},
            {Kind::changed, "Mode", "1 item", "\u201Cone\u201D"},
            {Kind::added, "Note", "", "\u201CÜnïcödé line that runs well past forty c\u2026\u201D"},
            {Kind::removed, "Old", "2 keys", ""},
            {Kind::changed, "Seen", "Jan 1, 2001 00:00", "Jan 1, 2002 01:00"}}));
    foundation::DateFormatter::setDeviceLocale("");
    foundation::DateFormatter::setDeviceTimeZone("");
}

TEST(RestoreReviewTest, AFileThatIsNotAPropertyListIsNamedAndComparesNoKeys) {
    testsupport::DeviceRoot root;
    root.write(kSetup + std::string("a.plist"), "not a property list");
    root.makeFolder(kPrefs);
    ASSERT_TRUE(foundation::writeToFile({{"key", 1}}, kPrefs + std::string("a.plist")));
    const auto diff =
        PlistDiff::ofFiles(kPrefs + std::string("a.plist"), kSetup + std::string("a.plist"));
    EXPECT_TRUE(diff.changes.empty());
    EXPECT_EQ(diff.unreadable, kSetup + std::string("a.plist"));
}

}  // namespace

}  // namespace kelvora
