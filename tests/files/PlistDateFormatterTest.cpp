#include "files/PlistDateFormatter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "files/PlistFileRecord.h"
#include "platform/foundation/DateFormatter.h"
#include "store/StoreConstants.h"
#include "tests/files/FileTimes.h"

namespace kelvora {

namespace {

using filetests::utc;
using foundation::DateFormatter;
using TimePoint = PlistDateFormatter::TimePoint;
using namespace std::chrono;

TimePoint at(std::time_t seconds) {
    return TimePoint(std::chrono::seconds(seconds));
}

// Instants where some zone's clock jumps: daylight time starting and ending at 2:00, at
// midnight and by half an hour, a zone moving a quarter of an hour, a zone skipping a day.
const std::time_t kClockChanges[] = {utc(2026, 3, 8, 7, 0, 0),     utc(2026, 11, 1, 6, 0, 0),
                                     utc(2026, 4, 4, 15, 0, 0),    utc(2026, 10, 3, 15, 30, 0),
                                     utc(1985, 12, 31, 18, 30, 0), utc(2011, 12, 30, 10, 0, 0),
                                     utc(2018, 11, 4, 3, 0, 0),    utc(2018, 2, 18, 2, 0, 0)};

// Every quarter hour for well over a day each side of each clock change (a microsecond before
// it and a random time in the hour after too), random instants from 1850 to 2250 and two far
// dates. One formatter per zone and locale takes them shuffled, so a day cached from one side
// of a change is reused for the other; each must read exactly as the full format does.
TEST(PlistDateFormatterTest, GivesTheFullFormatsOutputForEveryInstantInEveryZone) {
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<std::int64_t> withinHour(0, 3'600'000'000 - 1);
    std::uniform_int_distribution<std::int64_t> years(std::int64_t{utc(1850, 1, 1, 0, 0, 0)},
                                                      std::int64_t{utc(2250, 1, 1, 0, 0, 0)});
    std::vector<TimePoint> instants{at(0), at(-1), at(utc(1901, 12, 13, 20, 45, 52)),
                                    at(utc(2446, 5, 10, 22, 38, 55))};
    for (auto change : kClockChanges) {
        for (auto t = at(change) - hours(40); t <= at(change) + hours(40); t += minutes(15)) {
            instants.insert(instants.end(),
                            {t, t - microseconds(1), t + microseconds(withinHour(random))});
        }
    }
    for (int i = 0; i < 3000; ++i) {
        instants.push_back(at(years(random)) + microseconds(withinHour(random) % 1'000'000));
    }
    for (std::string zone : {"America/New_York", "Australia/Lord_Howe", "Asia/Kathmandu",
                             "Pacific/Apia", "America/Sao_Paulo"}) {
        for (std::string locale : {"en_US", "ar_EG"}) {
            DateFormatter::setDeviceTimeZone(zone);
            DateFormatter::setDeviceLocale(locale);
            std::shuffle(instants.begin(), instants.end(), random);
            PlistDateFormatter formatter;
            for (auto instant : instants) {
                PlistDates full{
                    DateFormatter::withPattern(kPlistDisplayDatePattern)->format(instant),
                    DateFormatter::withPattern(kCreationDatePattern)->format(instant)};
                ASSERT_EQ(formatter.format(instant), full)
                    << zone << " " << locale << " " << full.display << " / " << full.sortKey;
            }
            // Unless the locale writes its own digits, the comparison proves nothing for it.
            auto key = formatter.format(at(utc(2026, 12, 6, 13, 30, 42))).sortKey;
            EXPECT_EQ(std::count_if(key.begin(), key.end(), ::isdigit) == 0, locale == "ar_EG")
                << key;
        }
    }
    DateFormatter::setDeviceTimeZone("");
    DateFormatter::setDeviceLocale("");
}

}  // namespace

}  // namespace kelvora
