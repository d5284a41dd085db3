#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/PropertyList.h"

namespace kelvora {

// One key that differs between two property lists, with both values in short form.
struct KeyChange final {
    enum class Kind { added, removed, changed };

    Kind kind = Kind::changed;
    // Nested keys joined by dots and array positions in brackets: "Colours.Accent", "Items[2]".
    std::string path;
    std::string before;  // empty for an added key
    std::string after;   // empty for a removed key

    bool operator==(const KeyChange&) const = default;
};

// What a restore would do to the keys of a preference file: the keys added, removed and
// changed, in key order. Dictionaries and arrays that exist on both sides are compared inside,
// so a change deep down is named by its path; a container added or removed as a whole is one
// change.
class PlistDiff final {
  public:
    struct Files final {
        std::vector<KeyChange> changes;
        // The file that is not a readable property list (so no keys were compared), if any.
        std::optional<std::string> unreadable;
    };

    static std::vector<KeyChange> between(const foundation::PlistDictionary& before,
                                          const foundation::PlistDictionary& after);
    // The changes copying `incoming` over `live` would make.
    static Files ofFiles(const std::string& live, const std::string& incoming);

    // A value in a few words: booleans, numbers and dates as they read, a string's first line
    // cut to 40 characters, data as its size, a container as its count.
    static std::string shortForm(const foundation::PlistValue& value);

  private:
    static void compare(const foundation::PlistValue* before, const foundation::PlistValue* after,
                        const std::string& path, std::vector<KeyChange>& changes);
    static void compareDictionaries(const foundation::PlistDictionary& before,
                                    const foundation::PlistDictionary& after,
                                    const std::string& prefix, std::vector<KeyChange>& changes);
};

}  // namespace kelvora
