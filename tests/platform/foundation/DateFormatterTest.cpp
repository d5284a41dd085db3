#include "platform/foundation/DateFormatter.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>

#include "platform/foundation/FileManager.h"
#include "tests/support/DeviceRoot.h"

using foundation::DateFormatter;
using namespace std::chrono;

namespace {

// 2026-12-06 13:30:42 UTC, a Sunday.
const DateFormatter::TimePoint afternoon{seconds(1796563842)};

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

TEST_F(DateFormatterTest, ThePatternsOfTheAppGiveExactStringsAndParseBack) {
    // Just after midnight the 12-hour clock reads 12.
    const DateFormatter::TimePoint midnight{seconds(1796515507)};
    for (auto [pattern, date, text] :
         {std::tuple{"EEEE d MMM, yyyy HH:mm", afternoon, "Sunday 6 Dec, 2026 13:30"},
          {"ddMMyyyyhhmmssss", afternoon, "0612202601300042"},
          {"MMM d, yyyy HH:mm", afternoon, "Dec 6, 2026 13:30"},
          {"ddMMyyyyhhmmssss", midnight, "0612202612050007"}}) {
        EXPECT_EQ(DateFormatter::withPattern(pattern)->format(date), text);
    }
    auto key = DateFormatter::withPattern("ddMMyyyyhhmmssss");
    // 13:30:42 comes back as 01:30:42 the same day: the key has no day half.
    EXPECT_EQ(key->parse(key->format(afternoon)), DateFormatter::TimePoint{seconds(1796520642)});
    EXPECT_EQ(key->parse("0612202612050007"), midnight);
    EXPECT_TRUE(DateFormatter::withPattern("MMM d, yyyy HH:mm")->parse("Dec 6, 2026 13:30"));
    for (const char* text : {"", "abc", "0612202601300042x", "061220260130004", "3212202601300042",
                             "0613202601300042"}) {
        EXPECT_FALSE(key->parse(text)) << '"' << text << '"';
    }
}

TEST_F(DateFormatterTest, LocaleZoneOffsetsAndClockChangesFollowTheDevice) {
    DateFormatter::setDeviceTimeZone("Europe/Berlin");
    EXPECT_EQ(DateFormatter::withPattern("MMM d, yyyy HH:mm")->format(afternoon),
              "Dec 6, 2026 14:30");
    DateFormatter::setDeviceLocale("de_DE");
    EXPECT_EQ(DateFormatter::withPattern("EEEE d MMM, yyyy HH:mm")->format(afternoon),
              "Sonntag 6 Dez., 2026 14:30");
    // A key written and read in one locale and zone gives the same instant back.
    auto key = DateFormatter::withPattern("ddMMyyyyhhmmssss");
    EXPECT_EQ(key->parse(key->format(afternoon)), DateFormatter::TimePoint{seconds(1796520642)});

    auto berlin = DateFormatter::withPattern("HH:mm");
    // 2026-03-29 01:00 UTC the clocks went forward.
    const DateFormatter::TimePoint change{seconds(1774746000)};
    EXPECT_EQ(berlin->zoneOffset(change - seconds(1)), hours(1));
    EXPECT_EQ(berlin->zoneOffset(change), hours(2));
    EXPECT_TRUE(berlin->hasClockChangeBetween(change - hours(24), change));
    EXPECT_TRUE(berlin->hasClockChangeBetween(change, change + hours(24)));
    EXPECT_FALSE(berlin->hasClockChangeBetween(change - hours(24), change - seconds(1)));
    EXPECT_FALSE(berlin->hasClockChangeBetween(afternoon, afternoon + hours(24 * 7)));

    DateFormatter::setDeviceTimeZone("Asia/Kathmandu");
    EXPECT_EQ(DateFormatter::withPattern("HH:mm")->zoneOffset(afternoon), hours(5) + minutes(45));
}

// A file system holds dates far past what a clock of nanoseconds counts (1677 to 2262): ext4
// keeps 1901 to 2446. Such a date is read, shown, parsed back and kept by a copy.
TEST_F(DateFormatterTest, FileDatesAcrossWhatAFileSystemHoldsSurviveEveryStep) {
    testsupport::DeviceRoot root;
    auto& files = foundation::FileManager::defaultManager();
    auto shown = DateFormatter::withPattern("yyyy-MM-dd HH:mm:ss");
    for (auto [since1970, text] : {std::pair{-2147483648L, "1901-12-13 20:45:52"},
                                   {-1L, "1969-12-31 23:59:59"},
                                   {10413792000L, "2300-01-01 00:00:00"},
                                   {15032385535L, "2446-05-10 22:38:55"}}) {
        root.write("/far.plist", "x");
        const std::array<timespec, 2> times{timespec{0, UTIME_OMIT}, timespec{since1970, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, root.host("/far.plist").c_str(), times.data(), 0), 0);
        ASSERT_TRUE(files.copyItem("/far.plist", "/copy.plist"));
        const DateFormatter::TimePoint date{seconds(since1970)};
        for (const char* path : {"/far.plist", "/copy.plist"}) {
            auto attributes = files.attributesOfItem(path);
            ASSERT_TRUE(attributes) << path;
            EXPECT_EQ(attributes.value().modificationDate, date) << path;
        }
        EXPECT_EQ(shown->format(date), text);
        EXPECT_EQ(shown->parse(text), date);
        ASSERT_TRUE(files.removeItem("/copy.plist"));
    }
}

}  // namespace
