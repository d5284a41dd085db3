#include "files/SortKeyParser.h"

#include <algorithm>
#include <chrono>

#include "files/PlistFileRecord.h"

namespace {

struct TimeOfDay {
    int hour;
    int minute;
    int second;
};

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
    : formatter_(foundation::DateFormatter::withPattern(kPlistSortKeyPattern)) {}

std::optional<SortKeyParser::TimePoint> SortKeyParser::parse(std::string_view key) {
    auto time = timeOfDay(key);
    if (!time) {
        return formatter_->parse(key);
    }
    auto midnight = steadyMidnight(key.substr(0, 8));
    if (!midnight) {
        return formatter_->parse(key);
    }
    return *midnight + std::chrono::hours(time->hour) + std::chrono::minutes(time->minute) +
           std::chrono::seconds(time->second);
}

std::optional<SortKeyParser::TimePoint> SortKeyParser::steadyMidnight(std::string_view day) {
    auto found = days_.find(std::string(day));
    if (found != days_.end()) {
        return found->second;
    }
    std::string dayText(day);
    auto midnight = formatter_->parse(dayText + "12000000");
    auto lastSecond = formatter_->parse(dayText + "11590059");
    std::optional<TimePoint> steady;
    if (midnight && lastSecond &&
        *lastSecond - *midnight == std::chrono::seconds(11 * 3600 + 59 * 60 + 59)) {
        steady = midnight;
    }
    days_.emplace(std::move(dayText), steady);
    return steady;
}
