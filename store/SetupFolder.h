#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// The one check that decides a Setup record's folder, for every screen: the folder must be one
// plain name directly inside the Setup folder. A name with "/", the names "." and "..", an empty
// name (a Setup name made of spaces only, or a record without one) and a name with a NUL
// character would reach another folder or none at all: the Original folder, the Preferences
// folder, or the Setup folder itself with every other Setup in it.
class SetupFolder final {
  public:
    // Why `folderName` cannot be a Setup's folder, or nothing when it can.
    static std::optional<std::string> unsafeNameReason(std::string_view folderName);
    // The Setup's folder as a device path ending in "/", or nothing for a name that fails.
    static std::optional<std::string> path(std::string_view folderName);
};

}  // namespace kelvora
