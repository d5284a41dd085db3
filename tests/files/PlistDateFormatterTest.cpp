#include "files/PlistDateFormatter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "files/PlistFileRecord.h"
#include "platform/foundation/DateFormatter.h"
#include "store/StoreConstants.h"
#include "tests/files/FileTimes.h"

namespace kelvora {

namespace {

using foundation::DateFormatter;
using TimePoint = PlistDateFormatter::TimePoint;
using namespace std::chrono;

TimePoint at(std::time_t seconds) {
    return TimePoint(std::chrono::seconds(seconds));
}

// Instants where some zone's clock jumps: daylight time starting and ending (at 2:00, at
// midnight, by half an hour), a zone moving a quarter of an hour, a zone skipping a day.
std::vector<TimePoint> clockChanges() {
    using filetests::utc;
    return {at(utc(2026, 3, 29, 1, 0, 0)),    at(utc(2026, 10, 25, 1, 0, 0)),
            at(utc(2026, 3, 8, 7, 0, 0)),     at(utc(2026, 11, 1, 6, 0, 0)),
            at(utc(2026, 4, 4, 15, 0, 0)),    at(utc(2026, 10, 3, 15, 30, 0)),
            at(utc(1985, 12, 31, 18, 30, 0)), at(utc(2011, 12, 30, 10, 0, 0)),
            at(utc(2018, 11, 4, 3, 0, 0)),    at(utc(2018, 2, 18, 2, 0, 0))};
}

// Every quarter hour for well over a day each side of each change, so every local
// midnight and noon in zones a whole quarter hour off UTC is hit, each with the instant a
// microsecond before and a random time within the following hour.
std::vector<TimePoint> instantsAroundChanges(std::mt19937_64& random) {
    std::uniform_int_distribution<std::int64_t> withinHour(0, 3'600'000'000 - 1);
    std::vector<TimePoint> instants;
    for (auto change : clockChanges()) {
        for (auto t = change - hours(40); t <= change + hours(40); t += minutes(15)) {
            instants.push_back(t);
            instants.push_back(t - microseconds(1));
            instants.push_back(t + microseconds(withinHour(random)));
        }
    }
    return instants;
}

// Random instants over the years handled quickly and past them, denser in recent years.
std::vector<TimePoint> randomInstants(std::mt19937_64& random) {
    auto micros = [](int year) {
        return std::int64_t{filetests::utc(year, 1, 1, 0, 0, 0)} * 1'000'000;
    };
    std::uniform_int_distribution<std::int64_t> wide(micros(1850), micros(2250));
    std::uniform_int_distribution<std::int64_t> recent(micros(2000), micros(2035));
    std::vector<TimePoint> instants;
    for (int i = 0; i < 2000; ++i) {
        instants.emplace_back(microseconds(wide(random)));
        instants.emplace_back(microseconds(recent(random)));
        // Whole seconds, as most file systems keep them.
        instants.emplace_back(seconds(recent(random) / 1'000'000));
    }
    return instants;
}

class PlistDateFormatterTest : public testing::TestWithParam<std::tuple<const char*, const char*>> {
  protected:
    void SetUp() override {
        DateFormatter::setDeviceTimeZone(std::get<0>(GetParam()));
        DateFormatter::setDeviceLocale(std::get<1>(GetParam()));
    }
    void TearDown() override {
        DateFormatter::setDeviceTimeZone("");
        DateFormatter::setDeviceLocale("");
    }

    static PlistDates reference(TimePoint date) {
        return {DateFormatter::withPattern(kPlistDisplayDatePattern)->format(date),
                DateFormatter::withPattern(kCreationDatePattern)->format(date)};
    }
};

// One formatter takes all the instants in a shuffled order, so days are cached from an
// instant on either side of a clock change and reused for the others.
TEST_P(PlistDateFormatterTest, GivesTheFormattersOwnOutputForEveryInstant) {
    std::mt19937_64 random(20261206);
    auto instants = instantsAroundChanges(random);
    auto more = randomInstants(random);
    instants.insert(instants.end(), more.begin(), more.end());
    instants.push_back(at(0));
    instants.push_back(at(-1));
    std::shuffle(instants.begin(), instants.end(), random);
    PlistDateFormatter formatter;
    for (auto instant : instants) {
        auto expected = reference(instant);
        ASSERT_EQ(formatter.format(instant), expected)
            << duration_cast<nanoseconds>(instant.time_since_epoch()).count() << " gave "
            << expected.display << " / " << expected.sortKey;
    }
}

INSTANTIATE_TEST_SUITE_P(ZonesAndLocales, PlistDateFormatterTest,
                         testing::Combine(testing::Values("UTC", "Europe/Berlin",
                                                          "America/New_York", "Australia/Lord_Howe",
                                                          "Asia/Kathmandu", "Pacific/Apia",
                                                          "America/Sao_Paulo"),
                                          testing::Values("en_US", "de_DE", "ar_EG")));

// Arabic-Indic digits cannot be written out in ASCII, so every date takes the full format;
// first make sure the locale really writes them, or the comparison above proves nothing.
TEST(PlistDateFormatterLocaleTest, NonAsciiDigitsAreWrittenAsTheLocaleWritesThem) {
    DateFormatter::setDeviceTimeZone("Asia/Kathmandu");
    for (const char* locale : {"ar_EG", "fa_IR"}) {
        DateFormatter::setDeviceLocale(locale);
        PlistDateFormatter formatter;
        for (auto day : {at(filetests::utc(2026, 12, 6, 13, 30, 42)),
                         at(filetests::utc(2026, 12, 6, 14, 1, 2))}) {
            auto key = DateFormatter::withPattern(kCreationDatePattern)->format(day);
            EXPECT_EQ(
                std::count_if(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }),
                0)
                << locale << ": " << key;
            EXPECT_EQ(formatter.format(day).sortKey, key) << locale;
            EXPECT_EQ(formatter.format(day).display,
                      DateFormatter::withPattern(kPlistDisplayDatePattern)->format(day));
        }
    }
    DateFormatter::setDeviceLocale("");
    DateFormatter::setDeviceTimeZone("");
}

}  // namespace

}  // namespace kelvora
