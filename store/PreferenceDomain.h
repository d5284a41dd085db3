#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PropertyList.h"
#include "platform/foundation/Result.h"

namespace kelvora {

// A preference domain: the property-list file "/var/jb/vmo/Library/Preferences/<ID>.plist".
// Nothing is cached: every read goes to the file, because the tweak that owns the domain may
// change it between two calls. Every change rereads the file and writes it whole, keeping
// every other value as it was.
//
// A nil ID names no file: it reads as an empty domain and a change writes nothing. So does
// an ID that is not a plain file name (one holding "/" or a NUL character), which could
// otherwise reach a file outside the Preferences folder.
class PreferenceDomain final {
  public:
    static std::optional<std::string> filePath(const std::optional<std::string>& ID);

    static std::optional<foundation::PlistValue> value(std::string_view key,
                                                       const std::optional<std::string>& ID);
    static foundation::Result<void> setValue(std::string_view key, foundation::PlistValue value,
                                             const std::optional<std::string>& ID);
    // Rewrites the file even when the key was absent, as a set does.
    static foundation::Result<void> removeValue(std::string_view key,
                                                const std::optional<std::string>& ID);

    // True for text usable as one component of a path: no "/" and no NUL character.
    static bool isPlainFileName(std::string_view name);
};

}  // namespace kelvora
