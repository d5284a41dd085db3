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

// What the reader accepts: files of at most this size, containers nested at most this deep
// (the root container is level 1). Anything larger or deeper reads as nothing, because the
// parser underneath recurses once per level and would run out of stack.
inline constexpr std::uint64_t maximumPropertyListBytes = 64u << 20;
inline constexpr int maximumPropertyListNesting = 512;

// Reads an XML or binary property list. Anything unreadable, malformed or nested deeper
// than the reader allows reads as nothing, and so, for a file, does a root that is not a
// dictionary (parsePropertyList takes any root). So does a binary list with a NUL inside a
// dictionary key, which the parser underneath cannot take. Integers are signed 64-bit: an
// unsigned value above the signed range reads as negative. A keyed-archive UID reads as the
// dictionary {"CF$UID": n}, as the XML form writes it.
std::optional<PlistDictionary> dictionaryWithContentsOfFile(std::string_view devicePath);
std::optional<PlistValue> parsePropertyList(std::string_view bytes);

// Writes `dictionary` as an XML property list that replaces the file atomically and durably.
// A value the text form cannot hold (a NUL character in a text, nesting deeper than the
// reader accepts) is refused with an error, leaving the file as it was.
Result<void> writeToFile(const PlistDictionary& dictionary, std::string_view devicePath);
// The XML text of a value: the standard header, tab indentation, keys in the dictionary's
// order. Control characters are written as character references and NUL characters, which
// no XML can hold, are left out. Dates are written to the whole second, as the phone's own
// writer does (the format has no fractions), and years are kept within 1 to 9999.
std::string xmlPropertyList(const PlistValue& root);

}  // namespace foundation
