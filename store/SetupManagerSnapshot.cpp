// SetupManager's first-run snapshot of the Preferences folder into the Original folder.
#include <algorithm>
#include <array>
#include <iterator>
#include <tuple>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UnicodeText.h"
#include "store/PreferenceNames.h"
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
    return !excluded && foundation::lowercaseString(foundation::pathExtension(name)) == "plist" &&
           !PreferenceNames::isKelvorasOwnFile(name);
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
// leaves a truncated file under the original's name. The copies run as one batch that waits for
// the disk once.
void SetupManager::copyOriginalFilesToKelvora() const {
    auto& files = foundation::FileManager::defaultManager();
    const std::vector<std::string> names = getPreferencesOriginalFiles();
    std::vector<std::pair<std::string, std::string>> fromTo;
    for (const std::string& name : names) {
        std::string original =
            foundation::appendingPathComponent(newSetupFolderPathWithName(), name);
        if (!files.fileExists(original)) {
            fromTo.emplace_back(foundation::appendingPathComponent(originalPrefsFilesPath(), name),
                                std::move(original));
        }
    }
    const auto copies = files.copyItemsReplacing(fromTo);
    bool complete = !names.empty();
    for (std::size_t index = 0; index < fromTo.size(); ++index) {
        if (copies[index]) {
            foundation::Log::write("successfully copy all of the original files " +
                                   fromTo[index].second);
        } else {
            foundation::Log::write("failed copy all of the original files");
            foundation::Log::write(copies[index].error().description);
            complete = false;
        }
    }
    // Until then the next launch runs the copy again for what is still missing.
    if (complete) {
        setBool(true, kDidCopiedOriginalFilesKey, std::string(kKelvoraPrefsID));
    }
}

void SetupManager::removeLeftovers() const {
    auto& files = foundation::FileManager::defaultManager();
    std::vector<std::string> folders{std::string(kPreferencesFolderPath),
                                     std::string(kOriginalFolderPrefix)};
    for (const std::string& setup :
         files.contentsOfDirectory(kSetupFolderPath).value_or(std::vector<std::string>{})) {
        folders.push_back(foundation::appendingPathComponent(kSetupFolderPath, setup));
    }
    for (const std::string& folder : folders) {
        for (const std::string& name :
             files.contentsOfDirectory(folder).value_or(std::vector<std::string>{})) {
            if (PreferenceNames::isLeftover(name)) {
                std::ignore = files.removeItem(foundation::appendingPathComponent(folder, name));
            }
        }
    }
}

}  // namespace kelvora
