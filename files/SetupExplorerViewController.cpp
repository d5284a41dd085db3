#include "files/SetupExplorerViewController.h"

#include <algorithm>

#include "appearance/SetupAppearance.h"
#include "files/FilePickerViewController.h"
#include "files/RestoreReviewViewController.h"
#include "files/TransparentNavigationController.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/NavigationController.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"
#include "store/StoredSortType.h"
#include "ui/FileWalkPresenter.h"
#include "ui/OkayAlert.h"
#include "ui/PutBackPresenter.h"
#include "ui/SortSheet.h"

namespace kelvora {

namespace {

std::shared_ptr<kit::AlertController> tintedAlert(const std::string& title,
                                                  const std::string& message) {
    auto alert = kit::AlertController::make(title, message, kit::AlertControllerStyle::alert);
    alert->view()->setTintColor(SetupAppearance::setupAccentColour());
    return alert;
}

}  // namespace

SetupExplorerViewController::SetupExplorerViewController(Token, SetupData data)
    : data_(std::move(data)), list_(data_.setupFolderName) {}

std::shared_ptr<SetupExplorerViewController> SetupExplorerViewController::initWithData(
    SetupData data) {
    auto explorer = std::make_shared<SetupExplorerViewController>(Token{}, std::move(data));
    explorer->defineActions();
    return explorer;
}

void SetupExplorerViewController::defineActions() {
    defineAction("presentFilePickerVC", [this](const auto&) { presentFilePickerVC(); });
    defineAction("beginEditingMode", [this](const auto&) { beginEditingMode(); });
    defineAction("cancelEditingMode", [this](const auto&) { cancelEditingMode(); });
    defineAction("restoreSetupConfirmation", [this](const auto&) { restoreSetupConfirmation(); });
    defineAction("presentSortVC", [this](const auto&) { presentSortVC(); });
    defineAction("showDeleteSetupFilesConfirmation",
                 [this](const auto&) { showDeleteSetupFilesConfirmation(); });
}

std::string SetupExplorerViewController::preferencesFolderPath() {
    return std::string(kPreferencesFolderPath);
}

void SetupExplorerViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    setTitle(data_.setupName);
    addedArray_.clear();
    navigationItem().setRightBarButtonItem(kit::BarButtonItem::withImage(
        kit::Image::systemImageNamed("plus"), kit::BarButtonItemStyle::plain, weak_from_this(),
        "presentFilePickerVC"));
    layoutNoResultLabel();
    loadSetupData();
    updateToolbarButton();
    layoutTableView();
    layoutMessageView();
}

void SetupExplorerViewController::loadSetupData() {
    list_.loadSetupData();
    if (noResultLabel_) {
        noResultLabel_->setAlpha(list_.showsNoResultLabel() ? 1 : 0);
    }
}

void SetupExplorerViewController::refreshData() {
    addedArray_.clear();
    loadSetupData();
    if (tableView_) {
        tableView_->reloadData();
    }
    updateToolbarButton();
}

void SetupExplorerViewController::didFinishedCopyingFilesAndNeedUpdate() {
    refreshData();
}

std::shared_ptr<kit::BarButtonItem> SetupExplorerViewController::toolbarItem(const char* title,
                                                                             const char* action) {
    return kit::BarButtonItem::withTitle(title, kit::BarButtonItemStyle::plain, weak_from_this(),
                                         action);
}

void SetupExplorerViewController::updateToolbarButton() {
    auto navigation = navigationController();
    if (list_.setupArray().empty()) {
        if (navigation) {
            navigation->setToolbarHidden(true, true);
        }
        return;
    }
    auto space = [] {
        return kit::BarButtonItem::withSystemItem(kit::BarButtonSystemItem::flexibleSpace, {}, "");
    };
    if (isInEditingMode_) {
        setToolbarItems({toolbarItem("Cancel", "cancelEditingMode"), space(), space(), space(),
                         toolbarItem("Delete", "showDeleteSetupFilesConfirmation")});
    } else {
        setToolbarItems({toolbarItem("Edit", "beginEditingMode"), space(),
                         toolbarItem("Restore", "restoreSetupConfirmation"), space(),
                         toolbarItem("Sort", "presentSortVC")});
    }
    if (navigation) {
        navigation->setToolbarHidden(false, true);
    }
}

void SetupExplorerViewController::beginEditingMode() {
    isInEditingMode_ = true;
    refreshData();
}

void SetupExplorerViewController::cancelEditingMode() {
    isInEditingMode_ = false;
    refreshData();
}

void SetupExplorerViewController::presentFilePickerVC() {
    auto picker = FilePickerViewController::initWithSetupFolderName(data_.setupFolderName);
    picker->setDelegate(kit::sharedSelf(this));
    auto navigation = TransparentNavigationController::make(picker);
    navigation->setModalPresentationStyle(kit::ModalPresentationStyle::fullScreen);
    navigation->setModalTransitionStyle(kit::ModalTransitionStyle::crossDissolve);
    present(navigation, true);
}

void SetupExplorerViewController::presentSortVC() {
    std::weak_ptr<SetupExplorerViewController> weak = kit::sharedSelf(this);
    present(SortSheet::make(kFileSortTypes,
                            StoredSortType::read(kFileExplorerSortTypeKey, kSortFileAToZ),
                            [weak](const std::string& sortType) {
                                StoredSortType::write(kFileExplorerSortTypeKey, sortType);
                                if (auto explorer = weak.lock()) {
                                    explorer->refreshData();
                                }
                            }),
            true);
}

void SetupExplorerViewController::showAlertWithTitle(const std::string& title,
                                                     const std::string& message) {
    present(OkayAlert::make(title, message), true);
}

void SetupExplorerViewController::showDeleteSetupFilesConfirmation() {
    if (addedArray_.empty()) {
        showAlertWithTitle(data_.setupName, "You haven't select any files you want to delete.");
        return;
    }
    auto alert = tintedAlert(data_.setupName, "Are you sure you want to delete " +
                                                  std::to_string(addedArray_.size()) + " files?");
    std::weak_ptr<SetupExplorerViewController> weak = kit::sharedSelf(this);
    alert->addAction({"Cancel", kit::AlertActionStyle::destructive, {}, false});
    alert->addAction({"Delete", kit::AlertActionStyle::defaultStyle,
                      [weak] {
                          if (auto explorer = weak.lock()) {
                              explorer->deleteTheSetupFiles();
                          }
                      },
                      false});
    present(alert, true);
}

void SetupExplorerViewController::deleteTheSetupFiles() {
    auto folder = setupFolderPath();
    if (!folder) {
        return;
    }
    auto self = kit::sharedSelf(this);
    FileWalkPresenter::run(FileWalk::remove(*folder, addedArray_), messageView_, self,
                           FileWalkPresenter::Closing::whenAnythingChanged,
                           [self](const FileWalkSummary&) { self->finishDelete(); });
}

void SetupExplorerViewController::finishDelete() {
    foundation::NotificationCenter::defaultCenter().post("RefreshSetupDataNotification", this);
    cancelEditingMode();
}

void SetupExplorerViewController::restoreSetupConfirmation() {
    auto alert =
        tintedAlert(data_.setupName, "Are you sure you want to restore this setup to Preferences?");
    std::weak_ptr<SetupExplorerViewController> weak = kit::sharedSelf(this);
    alert->addAction({"Restore " + data_.setupName + " Setup", kit::AlertActionStyle::defaultStyle,
                      [weak] {
                          if (auto explorer = weak.lock()) {
                              explorer->copySetupFilesToPreferencesFolder();
                          }
                      },
                      false});
    alert->addAction({"Review Changes", kit::AlertActionStyle::defaultStyle,
                      [weak] {
                          if (auto explorer = weak.lock()) {
                              explorer->presentRestoreReview();
                          }
                      },
                      false});
    alert->addAction({"Cancel", kit::AlertActionStyle::destructive, {}, false});
    present(alert, true);
}

void SetupExplorerViewController::presentRestoreReview() {
    auto navigation = navigationController();
    auto folder = setupFolderPath();
    if (!navigation || !folder) {
        return;
    }
    std::weak_ptr<SetupExplorerViewController> weak = kit::sharedSelf(this);
    navigation->pushViewController(
        RestoreReviewViewController::make(*folder, preferencesFolderPath(),
                                          [weak] {
                                              if (auto explorer = weak.lock()) {
                                                  explorer->copySetupFilesToPreferencesFolder();
                                              }
                                          }),
        true);
}

// Every entry of the folder is restored, whatever its extension. The folder's listing has no
// order of its own; names are taken in byte order so that the last one is always the same.
void SetupExplorerViewController::copySetupFilesToPreferencesFolder() {
    auto folder = setupFolderPath();
    auto names = folder ? foundation::FileManager::defaultManager().contentsOfDirectory(*folder)
                        : std::nullopt;
    if (!names) {
        return;
    }
    std::sort(names->begin(), names->end());
    auto self = kit::sharedSelf(this);
    FileWalkPresenter::run(
        FileWalk::restore(*folder, preferencesFolderPath(), std::move(*names),
                          "Setup " + data_.setupName),
        messageView_, self, FileWalkPresenter::Closing::whenAnythingChanged,
        [self](const FileWalkSummary& summary) { self->finishRestore(summary); });
}

// A restore in which any entry failed has already said so in an "Error" alert; it must not
// end with a message that says it succeeded. The message offers to undo the restore at once
// from the point it left.
void SetupExplorerViewController::finishRestore(const FileWalkSummary& summary) {
    if (!summary.failures.empty()) {
        return;
    }
    auto alert = OkayAlert::make(
        data_.setupName, "Successfully restore " + std::to_string(list_.setupArray().size()) +
                             " files to Preferences folder and you will need to respring "
                             "your device for the tweak settings to take effect.");
    std::weak_ptr<SetupExplorerViewController> weak = kit::sharedSelf(this);
    alert->addAction({"Undo", kit::AlertActionStyle::defaultStyle,
                      [weak, point = summary.restorePoint] {
                          if (auto explorer = weak.lock()) {
                              PutBackPresenter::run(RestorePoint::read(point), explorer);
                          }
                      },
                      false});
    present(alert, true);
}

}  // namespace kelvora
