#include "files/SetupFileList.h"

#include "files/PlistFileListing.h"
#include "files/PlistFileSorter.h"
#include "store/SetupFolder.h"
#include "store/StoreConstants.h"
#include "store/StoredSortType.h"

namespace kelvora {

SetupFileList::SetupFileList(std::string setupFolderName)
    : setupFolderName_(std::move(setupFolderName)) {}

void SetupFileList::loadSetupData() {
    sortType_ = StoredSortType::read(kFileExplorerSortTypeKey, kSortFileAToZ);
    auto folder = setupFolderPath();
    auto records = folder ? PlistFileListing(*folder).recordsForNames(
                                PlistFileListing::namesWithPlistExtension(*folder))
                          : std::vector<PlistFileRecord>{};
    PlistFileSorter::sortRecords(records, sortType_);
    setupArray_ = std::move(records);
}

std::optional<std::string> SetupFileList::setupFolderPath() const {
    return SetupFolder::path(setupFolderName_);
}

}  // namespace kelvora
