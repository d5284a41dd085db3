#include "files/PreferencesCatalogue.h"

#include "files/PlistFileListing.h"
#include "files/PlistFileSorter.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"
#include "store/StoredSortType.h"

namespace kelvora {

void PreferencesCatalogue::loadPrefsData() {
    sortType_ = StoredSortType::read(kFilePickerSortTypeKey, kSortFileAToZ);
    // The snapshot of the original files admits exactly the files the user may pick, so the
    // catalogue asks the store for its list rather than keep a second copy of the rule.
    auto names = SetupManager::sharedInstance().getPreferencesOriginalFiles();
    loadRecords(PlistFileListing(preferencesFilesPath()).recordsForNames(names));
}

void PreferencesCatalogue::loadRecords(std::vector<PlistFileRecord> records) {
    PlistFileSorter::sortRecords(records, sortType_);
    records_ = std::move(records);
    index_.rebuild(records_);
    shown_ = index_.matches("");
}

void PreferencesCatalogue::updateSearchResultWithString(std::string_view text) {
    shown_ = index_.matches(text);
}

std::string PreferencesCatalogue::title() const {
    if (shown_.empty()) {
        return "Preferences";
    }
    return "Preferences (" + std::to_string(shown_.size()) + ")";
}

std::string PreferencesCatalogue::preferencesFilesPath() {
    return std::string(kPreferencesFolderPath);
}

}  // namespace kelvora
