#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/foundation/DateFormatter.h"

namespace kelvora {

// The display date and sort key of a listed file's modification time.
struct PlistDates final {
    std::string display;
    std::string sortKey;

    bool operator==(const PlistDates&) const = default;
};

// Formats modification times with the two listing patterns, giving exactly what the date
// formatters give, for a whole folder at a time. A full format costs microseconds and a
// folder of ten thousand files would spend most of its load on it, while its files share
// few days. So each local day is formatted once, its date parts kept, and the time of day
// is written out in digits. Anything it cannot vouch for gets the full format: a day with
// a clock change, a locale whose output does not split into those parts in ASCII digits
// (found out once, from a probe date), times far outside the years files carry.
class PlistDateFormatter final {
  public:
    using TimePoint = foundation::DateFormatter::TimePoint;

    PlistDateFormatter();

    PlistDates format(TimePoint date);

  private:
    struct DayParts {
        std::string displayPrefix;
        std::string sortKeyPrefix;
    };
    struct LocalTime {
        std::int64_t day;
        std::int64_t millisecondOfDay;
        std::chrono::milliseconds offset;
    };

    std::optional<LocalTime> localTime(TimePoint date) const;
    const std::optional<DayParts>& partsForDay(TimePoint date, const LocalTime& local);
    // The date parts of `date`'s day split from its full format, when its time parts are
    // the ones written out in digits; nothing otherwise.
    std::optional<DayParts> splitFullFormat(TimePoint date, const LocalTime& local) const;
    PlistDates fullFormat(TimePoint date) const;

    std::shared_ptr<const foundation::DateFormatter> display_;
    std::shared_ptr<const foundation::DateFormatter> sortKey_;
    bool splits_ = false;
    std::unordered_map<std::int64_t, std::optional<DayParts>> days_;
};

}  // namespace kelvora
