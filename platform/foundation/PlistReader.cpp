#include <plist/plist.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/foundation/FastXmlPlistReader.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/PlistPrecheck.h"
#include "platform/foundation/PropertyList.h"

// Reading goes through libplist, with its pitfalls handled here: its integers are unsigned
// 64-bit (a stored -7 comes back as 2^64 - 7, so the bits are reinterpreted as signed), and
// its date accessor clamps to 32-bit seconds and drops fractions, so a date's full value is
// taken from the node's binary encoding instead. A key-archive UID becomes the dictionary
// {"CF$UID": n}, which is how the XML form writes one.
namespace foundation {

namespace {

struct Freer {
    void operator()(void* memory) const { std::free(memory); }
};
using Owned = std::unique_ptr<char, Freer>;

struct PlistFreer {
    void operator()(plist_t node) const { plist_free(node); }
};

std::optional<PlistValue> converted(plist_t node, int depth);

// The binary form of a lone date is the 8-byte header, the marker 0x33 and the seconds since
// the reference date as a big-endian double.
std::optional<double> dateValue(plist_t node) {
    char* raw = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(node, &raw, &length);
    Owned binary(raw);
    constexpr std::uint32_t valueAt = 9;
    if (!binary || length < valueAt + 8 || static_cast<unsigned char>(raw[8]) != 0x33) {
        return std::nullopt;
    }
    std::uint64_t bits = 0;
    for (std::uint32_t i = 0; i < 8; ++i) {
        bits = bits << 8 | static_cast<unsigned char>(raw[valueAt + i]);
    }
    double seconds = 0;
    std::memcpy(&seconds, &bits, sizeof seconds);
    return seconds;
}

std::optional<PlistValue> convertedArray(plist_t node, int depth) {
    PlistArray array;
    std::uint32_t count = plist_array_get_size(node);
    array.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        auto item = converted(plist_array_get_item(node, i), depth + 1);
        if (!item) {
            return std::nullopt;
        }
        array.push_back(std::move(*item));
    }
    return PlistValue(std::move(array));
}

std::optional<PlistValue> convertedDictionary(plist_t node, int depth) {
    PlistDictionary dictionary;
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(node, &iterator);
    Owned ownedIterator(static_cast<char*>(iterator));
    for (;;) {
        char* rawKey = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iterator, &rawKey, &item);
        Owned key(rawKey);
        if (item == nullptr) {
            return PlistValue(std::move(dictionary));
        }
        auto value = converted(item, depth + 1);
        if (!key || !value) {
            return std::nullopt;
        }
        dictionary.emplace(key.get(), std::move(*value));
    }
}

std::optional<PlistValue> convertedScalar(plist_t node) {
    switch (plist_get_node_type(node)) {
        case PLIST_BOOLEAN: {
            std::uint8_t flag = 0;
            plist_get_bool_val(node, &flag);
            return PlistValue(flag != 0);
        }
        case PLIST_UINT: {
            std::uint64_t number = 0;
            plist_get_uint_val(node, &number);
            return PlistValue(static_cast<std::int64_t>(number));
        }
        case PLIST_REAL: {
            double real = 0;
            plist_get_real_val(node, &real);
            return PlistValue(real);
        }
        case PLIST_DATE: {
            auto seconds = dateValue(node);
            return seconds ? std::optional(PlistValue(PlistDate{*seconds})) : std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

// Through the pointer accessors: a text may hold NUL bytes, on which the copying accessor
// of this libplist build fails an assertion.
std::optional<PlistValue> convertedBytes(plist_t node) {
    std::uint64_t length = 0;
    if (plist_get_node_type(node) == PLIST_STRING) {
        const char* text = plist_get_string_ptr(node, &length);
        return text ? std::optional(PlistValue(std::string(text, length))) : std::nullopt;
    }
    auto begin = reinterpret_cast<const std::uint8_t*>(plist_get_data_ptr(node, &length));
    return PlistValue(begin ? PlistData(begin, begin + length) : PlistData());
}

std::optional<PlistValue> converted(plist_t node, int depth) {
    switch (plist_get_node_type(node)) {
        case PLIST_ARRAY:
        case PLIST_DICT:
            if (depth > maximumPropertyListNesting) {
                return std::nullopt;
            }
            return plist_get_node_type(node) == PLIST_ARRAY ? convertedArray(node, depth)
                                                            : convertedDictionary(node, depth);
        case PLIST_STRING:
        case PLIST_DATA:
            return convertedBytes(node);
        case PLIST_UID: {
            std::uint64_t uid = 0;
            plist_get_uid_val(node, &uid);
            return PlistValue(PlistDictionary{{"CF$UID", static_cast<std::int64_t>(uid)}});
        }
        default:
            return convertedScalar(node);
    }
}

}  // namespace

std::optional<PlistValue> parsePropertyList(std::string_view bytes) {
    if (bytes.size() > maximumPropertyListBytes) {
        return std::nullopt;
    }
    // The quick reader gives up on NUL bytes and deep nesting itself. Preferences are read on every
    // lookup and nothing is cached, so the plain XML form that nearly every settings file has takes
    // a quick path; anything else goes to libplist.
    if (auto quick = readPlainXmlPropertyList(bytes)) {
        return quick;
    }
    return parsePropertyListWithLibplist(bytes);
}

std::optional<PlistValue> parsePropertyListWithLibplist(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > maximumPropertyListBytes ||
        !PlistPrecheck::acceptable(bytes, maximumPropertyListNesting)) {
        return std::nullopt;
    }
    plist_t raw = nullptr;
    plist_from_memory(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &raw);
    if (raw == nullptr) {
        return std::nullopt;
    }
    std::unique_ptr<void, PlistFreer> root(raw);
    return converted(raw, 1);
}

std::optional<PlistDictionary> dictionaryWithContentsOfFile(std::string_view devicePath) {
    auto contents =
        FileManager::defaultManager().contentsOfFile(devicePath, maximumPropertyListBytes);
    if (!contents) {
        return std::nullopt;
    }
    auto value = parsePropertyList(contents.value());
    if (!value || !value->is<PlistDictionary>()) {
        return std::nullopt;
    }
    return std::move(*value->get<PlistDictionary>());
}

}  // namespace foundation
