#include "platform/foundation/DateFormatter.h"

#include <unicode/basictz.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/tztrans.h>

#include <cmath>
#include <cstdint>
#include <map>

namespace foundation {

namespace {

struct DeviceSettings {
    std::string locale;
    std::string timeZone;
    std::map<std::string, std::shared_ptr<const DateFormatter>, std::less<>> shared;
};

DeviceSettings& device() {
    static DeviceSettings settings;
    return settings;
}

icu::Locale deviceLocale() {
    const auto& name = device().locale;
    return name.empty() ? icu::Locale::getDefault() : icu::Locale(name.c_str());
}

UDate millisecondsSince1970(DateFormatter::TimePoint date) {
    using Milliseconds = std::chrono::duration<double, std::milli>;
    return std::chrono::duration_cast<Milliseconds>(date.time_since_epoch()).count();
}

icu::TimeZone* deviceTimeZone() {
    const auto& name = device().timeZone;
    if (name.empty()) {
        return icu::TimeZone::createDefault();
    }
    return icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(name));
}

}  // namespace

DateFormatter::DateFormatter(std::string pattern) : pattern_(std::move(pattern)) {
    UErrorCode status = U_ZERO_ERROR;
    auto formatter = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString::fromUTF8(pattern_),
                                                             deviceLocale(), status);
    // A fallback to a parent locale's data is a warning, not a failure.
    if (U_FAILURE(status)) {
        return;
    }
    formatter->adoptTimeZone(deviceTimeZone());
    formatter->setLenient(false);
    formatter_ = std::move(formatter);
}

DateFormatter::~DateFormatter() = default;

std::shared_ptr<const DateFormatter> DateFormatter::withPattern(std::string_view pattern) {
    auto& shared = device().shared;
    auto found = shared.find(pattern);
    if (found == shared.end()) {
        std::string key(pattern);
        found = shared.emplace(key, std::make_shared<const DateFormatter>(key)).first;
    }
    return found->second;
}

void DateFormatter::setDeviceLocale(std::string localeName) {
    device().locale = std::move(localeName);
    device().shared.clear();
}

void DateFormatter::setDeviceTimeZone(std::string zoneName) {
    device().timeZone = std::move(zoneName);
    device().shared.clear();
}

std::string DateFormatter::format(TimePoint date) const {
    if (!formatter_) {
        return {};
    }
    icu::UnicodeString text;
    formatter_->format(millisecondsSince1970(date), text);
    std::string result;
    text.toUTF8String(result);
    return result;
}

std::optional<DateFormatter::TimePoint> DateFormatter::parse(std::string_view text) const {
    if (!formatter_ || text.empty()) {
        return std::nullopt;
    }
    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    icu::ParsePosition position(0);
    UDate since1970 = formatter_->parse(unicode, position);
    // ICU stops quietly at the first character the pattern does not cover.
    if (position.getErrorIndex() >= 0 || position.getIndex() != unicode.length()) {
        return std::nullopt;
    }
    // A parse may land on any year; converting one past a time point's range would be
    // undefined, so this stops at about 285,000 years either side of 1970.
    constexpr double latest = 9e15;
    if (!(std::abs(since1970) < latest)) {
        return std::nullopt;
    }
    auto milliseconds = std::chrono::duration<double, std::milli>(since1970);
    return TimePoint(std::chrono::duration_cast<TimePoint::duration>(milliseconds));
}

std::optional<std::chrono::milliseconds> DateFormatter::zoneOffset(TimePoint date) const {
    if (!formatter_) {
        return std::nullopt;
    }
    int32_t raw = 0;
    int32_t daylight = 0;
    UErrorCode status = U_ZERO_ERROR;
    formatter_->getTimeZone().getOffset(millisecondsSince1970(date), false, raw, daylight, status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    return std::chrono::milliseconds(std::int64_t{raw} + daylight);
}

bool DateFormatter::hasClockChangeBetween(TimePoint from, TimePoint to) const {
    if (!formatter_) {
        return true;
    }
    const auto* zone = dynamic_cast<const icu::BasicTimeZone*>(&formatter_->getTimeZone());
    if (zone == nullptr) {
        return true;
    }
    icu::TimeZoneTransition transition;
    if (!zone->getNextTransition(millisecondsSince1970(from), true, transition)) {
        return false;
    }
    return transition.getTime() <= millisecondsSince1970(to);
}

}  // namespace foundation
