#include "files/PlistDateFormatter.h"

#include <chrono>
#include <cmath>

#include "files/PlistFileRecord.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr double kMillisecondsPerDay = 86'400'000.0;
// 1900-01-01 and 2200-01-01 UTC: well inside the calendar's steady range, and wider than
// any modification time a device keeps.
constexpr double kEarliest = -2'208'988'800'000.0;
constexpr double kLatest = 7'258'118'400'000.0;
// 2009-10-11 08:09:07 UTC: hour, minute and second all differ, so a field written in the
// wrong place shows. Whether a locale splits at all is what it tells; each day's first
// instant is checked again against the full format before its parts are kept.
constexpr auto kProbe = std::chrono::seconds(1'255'248'547);

void appendTwoDigits(std::string& text, std::int64_t value) {
    text.push_back(static_cast<char>('0' + value / 10));
    text.push_back(static_cast<char>('0' + value % 10));
}

// "HH:mm"
std::string displayTime(std::int64_t millisecondOfDay) {
    std::int64_t minutes = millisecondOfDay / 60'000;
    std::string text;
    appendTwoDigits(text, minutes / 60);
    text.push_back(':');
    appendTwoDigits(text, minutes % 60);
    return text;
}

// "hhmmssss": the hour on the 12-hour clock (12, 01 ... 11), seconds padded to four digits.
std::string sortKeyTime(std::int64_t millisecondOfDay) {
    std::int64_t seconds = millisecondOfDay / 1000;
    std::int64_t hour = seconds / 3600 % 12;
    std::string text;
    appendTwoDigits(text, hour == 0 ? 12 : hour);
    appendTwoDigits(text, seconds / 60 % 60);
    text.append("00");
    appendTwoDigits(text, seconds % 60);
    return text;
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

PlistDateFormatter::PlistDateFormatter()
    : display_(foundation::DateFormatter::withPattern(kPlistDisplayDatePattern)),
      sortKey_(foundation::DateFormatter::withPattern(kCreationDatePattern)) {
    TimePoint probe(kProbe);
    auto local = localTime(probe);
    splits_ = local && splitFullFormat(probe, *local);
}

PlistDates PlistDateFormatter::format(TimePoint date) {
    auto local = splits_ ? localTime(date) : std::nullopt;
    if (!local) {
        return fullFormat(date);
    }
    const auto& parts = partsForDay(date, *local);
    if (!parts) {
        return fullFormat(date);
    }
    return {parts->displayPrefix + displayTime(local->millisecondOfDay),
            parts->sortKeyPrefix + sortKeyTime(local->millisecondOfDay)};
}

// Worked out in the calendar's own double arithmetic, so a time a fraction of a millisecond
// before a minute turns over lands on the same side as in the full format.
std::optional<PlistDateFormatter::LocalTime> PlistDateFormatter::localTime(TimePoint date) const {
    double since1970 = std::chrono::duration_cast<Milliseconds>(date.time_since_epoch()).count();
    if (!(since1970 >= kEarliest && since1970 < kLatest)) {
        return std::nullopt;
    }
    auto offset = display_->zoneOffset(date);
    if (!offset || sortKey_->zoneOffset(date) != offset) {
        return std::nullopt;
    }
    double local = since1970 + static_cast<double>(offset->count());
    double day = std::floor(local / kMillisecondsPerDay);
    double millisecondOfDay = std::floor(local - day * kMillisecondsPerDay);
    if (millisecondOfDay < 0 || millisecondOfDay >= kMillisecondsPerDay) {
        return std::nullopt;
    }
    return LocalTime{static_cast<std::int64_t>(day), static_cast<std::int64_t>(millisecondOfDay),
                     *offset};
}

const std::optional<PlistDateFormatter::DayParts>& PlistDateFormatter::partsForDay(
    TimePoint date, const LocalTime& local) {
    auto found = days_.find(local.day);
    if (found != days_.end()) {
        return found->second;
    }
    auto start = TimePoint(std::chrono::duration_cast<TimePoint::duration>(
                     std::chrono::milliseconds(local.day * 86'400'000))) -
                 local.offset;
    std::optional<DayParts> parts;
    if (!display_->hasClockChangeBetween(start, start + std::chrono::hours(24)) &&
        !sortKey_->hasClockChangeBetween(start, start + std::chrono::hours(24))) {
        parts = splitFullFormat(date, local);
    }
    return days_.emplace(local.day, std::move(parts)).first->second;
}

std::optional<PlistDateFormatter::DayParts> PlistDateFormatter::splitFullFormat(
    TimePoint date, const LocalTime& local) const {
    auto full = fullFormat(date);
    auto displaySuffix = displayTime(local.millisecondOfDay);
    auto sortKeySuffix = sortKeyTime(local.millisecondOfDay);
    if (!endsWith(full.display, displaySuffix) || full.sortKey.size() != 16 ||
        !endsWith(full.sortKey, sortKeySuffix)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < 8; ++i) {
        if (full.sortKey[i] < '0' || full.sortKey[i] > '9') {
            return std::nullopt;
        }
    }
    full.display.resize(full.display.size() - displaySuffix.size());
    full.sortKey.resize(8);
    return DayParts{std::move(full.display), std::move(full.sortKey)};
}

PlistDates PlistDateFormatter::fullFormat(TimePoint date) const {
    return {display_->format(date), sortKey_->format(date)};
}

}  // namespace kelvora
