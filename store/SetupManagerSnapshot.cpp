// SetupManager's first-run snapshot of the Preferences folder into the Original folder.
#include <algorithm>
#include <array>
#include <iterator>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UnicodeText.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

// System and analytics domains that are not the user's tweaks. The test is a plain,
// case-sensitive substring search, so "com.apple." is left out while "com.Apple." is not.
constexpr std::array<std::string_view, 11> kExcludedFragments{"apple",
                                                              "applle",
                                                              "Global",
                                                              "bookdatastored",
                                                              "UITextInputContextIdentifiers",
                                                              "firebase",
                                                              "google",
                                                              "siriknowledged",
                                                              "nfcd",
                                                              "dprivacyd",
                                                              "kNPProgressTrackerDomain"};

bool isTweakPreferenceFile(std::string_view name) {
    bool excluded = std::any_of(kExcludedFragments.begin(), kExcludedFragments.end(),
                                [name](std::string_view fragment) {
                                    return name.find(fragment) != std::string_view::npos;
                                });
    return !excluded && foundation::lowercaseString(foundation::pathExtension(name)) == "plist";
}

}  // namespace

std::vector<std::string> SetupManager::getPreferencesOriginalFiles() const {
    auto names =
        foundation::FileManager::defaultManager().contentsOfDirectory(originalPrefsFilesPath());
    std::vector<std::string> kept;
    if (!names) {
        return kept;
    }
    std::copy_if(names->begin(), names->end(), std::back_inserter(kept),
                 [](const std::string& name) { return isTweakPreferenceFile(name); });
    return kept;
}

// Each copy goes through a temporary name and a rename, so a copy that fails half-way never
// leaves a truncated file under the original's name, and an earlier snapshot of that file
// stays as it was. The copies run as one batch that waits for the disk once.
void SetupManager::copyOriginalFilesToKelvora() const {
    std::vector<std::pair<std::string, std::string>> fromTo;
    for (const std::string& name : getPreferencesOriginalFiles()) {
        fromTo.emplace_back(foundation::appendingPathComponent(originalPrefsFilesPath(), name),
                            foundation::appendingPathComponent(newSetupFolderPathWithName(), name));
    }
    const auto copies = foundation::FileManager::defaultManager().copyItemsReplacing(fromTo);
    // The flag is the same after every success, and each write of the settings file is
    // flushed to disk; writing it once it holds keeps a snapshot of a thousand files from
    // taking a thousand flushes.
    bool flagSet = false;
    for (std::size_t index = 0; index < fromTo.size(); ++index) {
        if (copies[index]) {
            foundation::Log::write("successfully copy all of the original files " +
                                   fromTo[index].second);
            if (!flagSet) {
                setBool(true, kDidCopiedOriginalFilesKey, std::string(kKelvoraPrefsID));
                // A write that failed is tried again after the next copied file.
                flagSet =
                    boolForKey(kDidCopiedOriginalFilesKey, false, std::string(kKelvoraPrefsID));
            }
        } else {
            foundation::Log::write("failed copy all of the original files");
        }
    }
}

}  // namespace kelvora
