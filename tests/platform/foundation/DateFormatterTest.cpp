#include "platform/foundation/DateFormatter.h"

#include <gtest/gtest.h>

using foundation::DateFormatter;
using namespace std::chrono;

namespace {

// 2026-12-06 13:30:42 UTC, a Sunday.
const system_clock::time_point afternoon{seconds(1796563842)};

class DateFormatterTest : public testing::Test {
  protected:
    void SetUp() override {
        DateFormatter::setDeviceLocale("en_US_POSIX");
        DateFormatter::setDeviceTimeZone("UTC");
    }
    void TearDown() override {
        DateFormatter::setDeviceLocale("");
        DateFormatter::setDeviceTimeZone("");
    }
};

TEST_F(DateFormatterTest, ThePatternsOfTheAppGiveExactStrings) {
    EXPECT_EQ(DateFormatter::withPattern("EEEE d MMM, yyyy HH:mm")->format(afternoon),
              "Sunday 6 Dec, 2026 13:30");
    EXPECT_EQ(DateFormatter::withPattern("ddMMyyyyhhmmssss")->format(afternoon),
              "0612202601300042");
    EXPECT_EQ(DateFormatter::withPattern("MMM d, yyyy HH:mm")->format(afternoon),
              "Dec 6, 2026 13:30");
    // Just after midnight the 12-hour clock reads 12.
    EXPECT_EQ(DateFormatter::withPattern("ddMMyyyyhhmmssss")
                  ->format(system_clock::time_point{seconds(1796515507)}),
              "0612202612050007");
}

TEST_F(DateFormatterTest, SortKeyParsesBackOnTheTwelveHourClock) {
    auto key = DateFormatter::withPattern("ddMMyyyyhhmmssss");
    auto parsed = key->parse(key->format(afternoon));
    ASSERT_TRUE(parsed.has_value());
    // 13:30:42 comes back as 01:30:42 the same day: the key has no day half.
    EXPECT_EQ(*parsed, system_clock::time_point{seconds(1796520642)});
    auto midnight = key->parse("0612202612050007");
    ASSERT_TRUE(midnight.has_value());
    EXPECT_EQ(*midnight, system_clock::time_point{seconds(1796515507)});
}

TEST_F(DateFormatterTest, JunkAndImpossibleDatesDoNotParse) {
    auto key = DateFormatter::withPattern("ddMMyyyyhhmmssss");
    for (const char* text : {"", "abc", "0612202601300042x", "061220260130004", "3212202601300042",
                             "0613202601300042"}) {
        EXPECT_FALSE(key->parse(text)) << '"' << text << '"';
    }
    EXPECT_TRUE(DateFormatter::withPattern("MMM d, yyyy HH:mm")->parse("Dec 6, 2026 13:30"));
}

TEST_F(DateFormatterTest, LocaleAndTimeZoneFollowTheDevice) {
    DateFormatter::setDeviceTimeZone("Europe/Berlin");
    EXPECT_EQ(DateFormatter::withPattern("MMM d, yyyy HH:mm")->format(afternoon),
              "Dec 6, 2026 14:30");
    DateFormatter::setDeviceLocale("de_DE");
    EXPECT_EQ(DateFormatter::withPattern("EEEE d MMM, yyyy HH:mm")->format(afternoon),
              "Sonntag 6 Dez., 2026 14:30");
    // A key written and read in one locale and zone gives the same instant back.
    auto key = DateFormatter::withPattern("ddMMyyyyhhmmssss");
    EXPECT_EQ(key->parse(key->format(afternoon)), system_clock::time_point{seconds(1796520642)});
}

}  // namespace

namespace {

TEST_F(DateFormatterTest, ZoneOffsetsAndClockChangesAreTheFormattersOwn) {
    DateFormatter::setDeviceTimeZone("Europe/Berlin");
    auto berlin = DateFormatter::withPattern("HH:mm");
    // 2026-03-29 01:00 UTC the clocks went forward.
    const system_clock::time_point change{seconds(1774746000)};
    EXPECT_EQ(berlin->zoneOffset(change - seconds(1)), hours(1));
    EXPECT_EQ(berlin->zoneOffset(change), hours(2));
    EXPECT_TRUE(berlin->hasClockChangeBetween(change - hours(24), change));
    EXPECT_TRUE(berlin->hasClockChangeBetween(change, change + hours(24)));
    EXPECT_FALSE(berlin->hasClockChangeBetween(change - hours(24), change - seconds(1)));
    EXPECT_FALSE(berlin->hasClockChangeBetween(afternoon, afternoon + hours(24 * 7)));

    DateFormatter::setDeviceTimeZone("Asia/Kathmandu");
    EXPECT_EQ(DateFormatter::withPattern("HH:mm")->zoneOffset(afternoon), hours(5) + minutes(45));
}

}  // namespace
