#include "store/SortKeyParser.h"

#include <algorithm>
#include <chrono>

#include "store/StoreConstants.h"

namespace kelvora {

namespace {

struct TimeOfDay {
    int hour;
    int minute;
    int second;
};

// Years from here on are Gregorian in the formatter's calendar as in std::chrono; earlier
// ones are few and take the full parse.
constexpr std::chrono::year kFirstFastYear{1900};

int number(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The time of day of a key in plain ASCII digits and in range, its hour 12 meaning 0 as the
// formatter reads it; nothing for anything else.
std::optional<TimeOfDay> timeOfDay(std::string_view key) {
    if (key.size() != 16 ||
        !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    TimeOfDay time{number(key.substr(8, 2)), number(key.substr(10, 2)), number(key.substr(12, 4))};
    if (time.hour < 1 || time.hour > 12 || time.minute > 59 || time.second > 59) {
        return std::nullopt;
    }
    time.hour %= 12;
    return time;
}

}  // namespace

SortKeyParser::SortKeyParser()
    : formatter_(foundation::DateFormatter::withPattern(kCreationDatePattern)),
      fast_(readsDigitsAsGregorian()) {}

std::optional<SortKeyParser::TimePoint> SortKeyParser::parse(std::string_view key) {
    auto fast = fast_ ? fastParse(key) : std::nullopt;
    return fast ? fast : formatter_->parse(key);
}

std::optional<SortKeyParser::TimePoint> SortKeyParser::fastParse(std::string_view key) {
    auto time = timeOfDay(key);
    auto midnight = time ? steadyMidnight(key.substr(0, 8)) : std::nullopt;
    if (!midnight) {
        return std::nullopt;
    }
    return *midnight + std::chrono::hours(time->hour) + std::chrono::minutes(time->minute) +
           std::chrono::seconds(time->second);
}

// A key the formatter itself reads as the fast parse does: then its calendar counts years,
// months and days as the Gregorian one does, in the same digits.
bool SortKeyParser::readsDigitsAsGregorian() {
    // 15 January 2020, 10:20:30; the seconds take four digits. A probe the fast parse refuses
    // turns it off for good, which no result shows: only the time of a date sort does.
    constexpr std::string_view probe = "1501202010200030";
    auto fast = fastParse(probe);
    days_.clear();
    return fast && fast == formatter_->parse(probe);
}

std::optional<SortKeyParser::TimePoint> SortKeyParser::steadyMidnight(std::string_view day) {
    auto found = days_.find(std::string(day));
    if (found != days_.end()) {
        return found->second;
    }
    auto steady = midnightOf({std::chrono::year(number(day.substr(4, 4))),
                              std::chrono::month(number(day.substr(2, 2))),
                              std::chrono::day(number(day.substr(0, 2)))});
    days_.emplace(std::string(day), steady);
    return steady;
}

// Midnight's instant comes from the zone's offset rather than from a parse, which costs
// tens of microseconds. It is only trusted where the answer cannot depend on how a parse
// settles a skipped or repeated wall time: a real calendar day of the Gregorian years the
// formatter's calendar shares with std::chrono, and no clock change from a day before that
// midnight to the end of its morning.
std::optional<SortKeyParser::TimePoint> SortKeyParser::midnightOf(
    std::chrono::year_month_day date) const {
    if (!date.ok() || date.year() < kFirstFastYear) {
        return std::nullopt;
    }
    TimePoint wall{std::chrono::sys_days(date)};
    auto offset = formatter_->zoneOffset(wall);
    if (!offset || formatter_->zoneOffset(wall - *offset) != offset) {
        return std::nullopt;
    }
    TimePoint midnight = wall - *offset;
    if (formatter_->hasClockChangeBetween(midnight - std::chrono::hours(24),
                                          midnight + std::chrono::hours(12))) {
        return std::nullopt;
    }
    return midnight;
}

}  // namespace kelvora
