#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/foundation/DateFormatter.h"

namespace kelvora {

// Parses "ddMMyyyyhhmmssss" sort keys back into instants, giving what the date formatter's
// own parse gives, for a whole list at a time. A full parse costs tens of microseconds, and
// a folder of ten thousand files would spend most of a second on it. So the parser finds the
// instant of each key's local midnight once per day, from the zone's offset, and adds the
// key's time of day to it. The hour is on the 12-hour clock with no day-half marker, so every
// key lies in its day's first twelve hours. Any key it cannot vouch for that way (other
// digits, fields out of range, a clock change near that morning) gets the full parse. The fast
// parse reads the digits as a Gregorian date; where the device's calendar is another (Buddhist,
// Japanese, Persian, Islamic, Hebrew), the same digits name another day, so such a parser takes
// the full parse for every key.
class SortKeyParser final {
  public:
    using TimePoint = foundation::DateFormatter::TimePoint;

    SortKeyParser();

    std::optional<TimePoint> parse(std::string_view key);

  private:
    std::optional<TimePoint> fastParse(std::string_view key);
    bool readsDigitsAsGregorian();
    // Midnight of the day "ddMMyyyy" when its morning has no clock change; nothing otherwise.
    std::optional<TimePoint> steadyMidnight(std::string_view day);
    std::optional<TimePoint> midnightOf(std::chrono::year_month_day date) const;

    std::shared_ptr<const foundation::DateFormatter> formatter_;
    std::unordered_map<std::string, std::optional<TimePoint>> days_;
    bool fast_ = false;
};

}  // namespace kelvora
