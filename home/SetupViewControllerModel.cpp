#include <algorithm>
#include <tuple>

#include "home/SetupListSorting.h"
#include "home/SetupViewController.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/UnicodeText.h"
#include "store/PathFormat.h"
#include "store/SetupFolder.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"
#include "store/StoredSortType.h"
#include "ui/SortSheet.h"

namespace kelvora {

void SetupViewController::loadSetupData() {
    setupArray_ = SetupManager::sharedInstance().loadSetupArray();
    sortSetupArray(setupArray_, StoredSortType::read(kSetupSortTypeKey, kSortSetupAToZ));
    noResultLabel_->setAlpha(setupArray_.empty() ? 1 : 0);
}

void SetupViewController::refreshData() {
    loadSetupData();
    if (collectionView_) {
        collectionView_->reloadData();
    }
}

SetupData SetupViewController::setupDataAt(std::int64_t item) const {
    if (item < 0 || static_cast<std::size_t>(item) >= setupArray_.size()) {
        return {};
    }
    return SetupData::fromRecord(setupArray_[static_cast<std::size_t>(item)]);
}

// Counts names only: nothing is opened, and a folder named like a file counts too. A
// folder name that is not one of the Setup folder's own children counts nothing rather
// than another folder's files.
std::string SetupViewController::getTotalSetupFilesWithSetupFolderName(
    const std::string& folderName) const {
    long count = 0;
    if (auto folder = SetupFolder::path(folderName)) {
        auto names = foundation::FileManager::defaultManager().contentsOfDirectory(*folder);
        for (const auto& name : names.value_or(std::vector<std::string>{})) {
            if (foundation::lowercaseString(foundation::pathExtension(name)) == "plist") {
                ++count;
            }
        }
    }
    return std::to_string(count) + " Files";
}

// Only ever a direct child of the Setup folder: a hand-edited record must not make a
// delete reach the Setup folder itself or anything beside it.
void SetupViewController::deleteSetupFolderWithName(const std::string& folderName) const {
    bool removed = false;
    if (!SetupFolder::unsafeNameReason(folderName)) {
        removed = foundation::FileManager::defaultManager()
                      .removeItem(formatPath(kSetupFolderPathFormat, {folderName}))
                      .ok();
    }
    foundation::Log::write(removed ? "successfully delete set up folder"
                                   : "failed delete set up folder");
}

// The list file takes the display order, and loses the record even when the folder
// could not be removed. The record must still be the one the menu was shown for; if the
// list was reloaded since, it is looked up by value, and a record no longer listed is left.
void SetupViewController::deleteSetupAt(std::int64_t item, const foundation::PlistValue& record) {
    auto position = setupArray_.end();
    if (item >= 0 && static_cast<std::size_t>(item) < setupArray_.size() &&
        setupArray_[static_cast<std::size_t>(item)] == record) {
        position = setupArray_.begin() + item;
    } else {
        position = std::find(setupArray_.begin(), setupArray_.end(), record);
    }
    if (position == setupArray_.end()) {
        return;
    }
    deleteSetupFolderWithName(SetupData::fromRecord(*position).setupFolderName);
    setupArray_.erase(position);
    std::ignore = SetupManager::sharedInstance().saveSetupArray(setupArray_);
    std::weak_ptr<SetupViewController> weakSelf = kit::sharedSelf(this);
    foundation::MainQueue::main().after(0.2, [weakSelf] {
        if (auto screen = weakSelf.lock()) {
            screen->refreshData();
        }
    });
}

void SetupViewController::presentSortVC() {
    std::weak_ptr<SetupViewController> weakSelf = kit::sharedSelf(this);
    present(
        SortSheet::make(kSetupSortTypes, StoredSortType::read(kSetupSortTypeKey, kSortSetupAToZ),
                        [weakSelf](const std::string& choice) {
                            if (auto screen = weakSelf.lock()) {
                                screen->chooseSortType(choice);
                            }
                        }),
        true);
}

void SetupViewController::chooseSortType(const std::string& choice) {
    StoredSortType::write(kSetupSortTypeKey, choice);
    refreshData();
}

}  // namespace kelvora
