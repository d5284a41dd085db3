#include "files/SetupFileList.h"

#include "files/PlistFileListing.h"
#include "files/PlistFileSorter.h"
#include "store/PathFormat.h"
#include "store/StoreConstants.h"
#include "store/StoredSortType.h"

namespace kelvora {

SetupFileList::SetupFileList(std::string setupFolderName)
    : setupFolderName_(std::move(setupFolderName)) {}

void SetupFileList::loadSetupData() {
    sortType_ = StoredSortType::read(kFileExplorerSortTypeKey, kSortFileAToZ);
    auto folder = setupFolderPath();
    auto records =
        PlistFileListing(folder).recordsForNames(PlistFileListing::namesWithPlistExtension(folder));
    PlistFileSorter::sortRecords(records, sortType_);
    setupArray_ = std::move(records);
}

std::string SetupFileList::setupFolderPath() const {
    return formatPath(kSetupFolderPrefixFormat, {setupFolderName_});
}

}  // namespace kelvora
