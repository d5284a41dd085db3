#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/foundation/Result.h"

namespace foundation {

class PlistValue;
using PlistArray = std::vector<PlistValue>;
using PlistDictionary = std::map<std::string, PlistValue, std::less<>>;
using PlistData = std::vector<std::uint8_t>;

// Seconds since 2001-01-01 00:00:00 UTC, the property-list epoch, with fractions and
// without the range limits of the parser underneath.
struct PlistDate {
    double sinceReferenceDate = 0;
    auto operator<=>(const PlistDate&) const = default;
};

// One property-list value: string, integer, real, boolean, date, data, array or dictionary.
class PlistValue {
  public:
    using Storage = std::variant<std::string, std::int64_t, double, bool, PlistDate, PlistData,
                                 PlistArray, PlistDictionary>;

    PlistValue() : storage_(std::string()) {}
    PlistValue(std::string value) : storage_(std::move(value)) {}
    PlistValue(const char* value) : storage_(std::string(value)) {}
    PlistValue(std::int64_t value) : storage_(value) {}
    PlistValue(int value) : storage_(std::int64_t{value}) {}
    PlistValue(double value) : storage_(value) {}
    PlistValue(bool value) : storage_(value) {}
    PlistValue(PlistDate value) : storage_(value) {}
    PlistValue(PlistData value) : storage_(std::move(value)) {}
    PlistValue(PlistArray value) : storage_(std::move(value)) {}
    PlistValue(PlistDictionary value) : storage_(std::move(value)) {}

    template <class T>
    bool is() const {
        return std::holds_alternative<T>(storage_);
    }
    template <class T>
    const T* get() const {
        return std::get_if<T>(&storage_);
    }
    template <class T>
    T* get() {
        return std::get_if<T>(&storage_);
    }
    const Storage& storage() const { return storage_; }

    // Conversions of a number or a string the way the phone's number and string objects
    // convert themselves; any other kind converts to false or 0.
    bool boolValue() const;
    std::int64_t longLongValue() const;
    int intValue() const;

    bool operator==(const PlistValue&) const = default;

  private:
    Storage storage_;
};

// Reads an XML or binary property list. Anything unreadable, malformed, nested deeper
// than the reader allows, or with a root that is not a dictionary reads as nothing.
std::optional<PlistDictionary> dictionaryWithContentsOfFile(std::string_view devicePath);
std::optional<PlistValue> parsePropertyList(std::string_view bytes);

// Writes `dictionary` as an XML property list that replaces the file atomically and durably.
Result<void> writeToFile(const PlistDictionary& dictionary, std::string_view devicePath);
std::string xmlPropertyList(const PlistValue& root);

}  // namespace foundation
