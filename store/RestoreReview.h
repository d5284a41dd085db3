#pragma once

#include <string>
#include <vector>

namespace kelvora {

// What restoring a Setup would do to the live Preferences folder, entry by entry, in byte
// order of their names: entries that would change, entries that would be added, and entries
// whose bytes are already the same. The entries a restore leaves out (the app's own files,
// what an interrupted copy left behind) are left out here too.
struct RestoreReview final {
    std::vector<std::string> willChange;
    std::vector<std::string> willBeAdded;
    std::vector<std::string> alreadySame;

    static RestoreReview of(const std::string& setupFolder, const std::string& preferencesFolder);
};

}  // namespace kelvora
