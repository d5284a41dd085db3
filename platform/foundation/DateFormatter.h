#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <unicode/uversion.h>

#include "platform/foundation/TimePoint.h"

U_NAMESPACE_BEGIN
class SimpleDateFormat;
U_NAMESPACE_END

namespace foundation {

// Dates as text with a fixed pattern, in the device's locale and time zone, through ICU's
// SimpleDateFormat (the engine behind the phone's own formatter, so patterns behave alike).
// Making a formatter costs far more than using one, so `withPattern` keeps one per pattern.
// Parsing is strict, as the phone's formatter is by default: a day 32 or trailing text
// after the pattern makes it fail rather than roll over or be ignored.
class DateFormatter final {
  public:
    using TimePoint = foundation::TimePoint;

    explicit DateFormatter(std::string pattern);
    ~DateFormatter();
    DateFormatter(const DateFormatter&) = delete;
    DateFormatter& operator=(const DateFormatter&) = delete;

    // The shared formatter for `pattern` in the current device locale and time zone.
    static std::shared_ptr<const DateFormatter> withPattern(std::string_view pattern);

    // The device's locale ("en_US", "de_DE") and time zone ("UTC", "Europe/Berlin"); empty
    // means the environment's (LANG, TZ). Formatters made before a change keep their own.
    static void setDeviceLocale(std::string localeName);
    static void setDeviceTimeZone(std::string zoneName);

    const std::string& pattern() const { return pattern_; }
    // Empty when the pattern was not a valid one.
    std::string format(TimePoint date) const;
    // The system clock's own instants, "now" among them, lie well inside a time point's range.
    std::string format(std::chrono::system_clock::time_point date) const {
        return format(std::chrono::floor<TimePoint::duration>(date));
    }
    // Nothing also for a date beyond what a time point holds.
    std::optional<TimePoint> parse(std::string_view text) const;

    // The formatter's zone offset from UTC at `date` (standard plus daylight time), as its
    // own `format` applies it; nothing when the formatter is not a valid one.
    std::optional<std::chrono::milliseconds> zoneOffset(TimePoint date) const;
    // Whether the zone's rules change anywhere in [from, to], both ends included. A zone
    // whose transitions cannot be asked for counts as changing, so callers stay on the
    // safe side.
    bool hasClockChangeBetween(TimePoint from, TimePoint to) const;

  private:
    std::string pattern_;
    std::unique_ptr<icu::SimpleDateFormat> formatter_;
};

}  // namespace foundation
