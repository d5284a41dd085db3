#include "files/FilePickerViewController.h"

#include <algorithm>

#include "appearance/SetupAppearance.h"
#include "files/PlistFileCell.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/NavigationController.h"
#include "store/SetupFolder.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"
#include "store/StoredSortType.h"
#include "ui/FileWalkPresenter.h"
#include "ui/OkayAlert.h"
#include "ui/SortSheet.h"

namespace kelvora {

FilePickerViewController::FilePickerViewController(Token, std::string setupFolderName)
    : setupFolderName_(std::move(setupFolderName)) {}

std::shared_ptr<FilePickerViewController> FilePickerViewController::initWithSetupFolderName(
    std::string setupFolderName) {
    auto picker = std::make_shared<FilePickerViewController>(Token{}, std::move(setupFolderName));
    picker->defineActions();
    return picker;
}

void FilePickerViewController::defineActions() {
    defineAction("dismissVC", [this](const auto&) { dismissVC(); });
    defineAction("presentSortVC", [this](const auto&) { presentSortVC(); });
    defineAction("saveChanges", [this](const auto&) { saveChanges(); });
    defineAction("refreshButtonPressed", [this](const auto&) { refreshButtonPressed(); });
    defineAction("cancelSearch", [this](const auto&) { cancelSearch(); });
    defineAction("dismissKeyboard", [this](const auto&) { dismissKeyboard(); });
}

std::optional<std::string> FilePickerViewController::setupFolderPath() const {
    return SetupFolder::path(setupFolderName_);
}

void FilePickerViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    setTitle("Preferences");
    setUpBarItems();
    addedArray_.clear();
    loadPrefsData();
    layoutTableView();
    layoutNavigation();
    applyCountDisplayRule();
}

void FilePickerViewController::setUpBarItems() {
    using kit::BarButtonItem;
    auto self = weak_from_this();
    auto symbol = [&](const char* name, const char* action) {
        return BarButtonItem::withImage(kit::Image::systemImageNamed(name),
                                        kit::BarButtonItemStyle::plain, self, action);
    };
    navigationItem().setLeftBarButtonItems(
        {symbol("xmark", "dismissVC"), symbol("text.append", "presentSortVC")});
    navigationItem().setRightBarButtonItems(
        {BarButtonItem::withTitle("Add", kit::BarButtonItemStyle::plain, self, "saveChanges"),
         symbol("goforward", "refreshButtonPressed")});
}

void FilePickerViewController::loadPrefsData() {
    catalogue_.loadPrefsData();
}

void FilePickerViewController::updateSearchResultWithString(const std::string& text) {
    catalogue_.updateSearchResultWithString(text);
    applyCountDisplayRule();
    if (tableView_) {
        tableView_->reloadData();
    }
}

void FilePickerViewController::applyCountDisplayRule() {
    setTitle(catalogue_.title());
    if (noResultLabel_) {
        noResultLabel_->setAlpha(catalogue_.showsNoResultLabel() ? 1 : 0);
    }
}

void FilePickerViewController::showAlertWithTitle(const std::string& title,
                                                  const std::string& message) {
    present(OkayAlert::make(title, message), true);
}

void FilePickerViewController::saveChanges() {
    if (addedArray_.empty()) {
        showAlertWithTitle("Sorry",
                           "You haven't select any files, please select which one you would like "
                           "to copy to your Setup");
        return;
    }
    copyPreferencesFilesToCurrentSetup();
}

void FilePickerViewController::copyPreferencesFilesToCurrentSetup() {
    auto folder = setupFolderPath();
    if (!folder) {
        return;
    }
    auto self = kit::sharedSelf(this);
    FileWalkPresenter::run(FileWalk::copy(std::string(PreferencesCatalogue::preferencesFilesPath()),
                                          *folder, addedArray_),
                           messageView_, self, FileWalkPresenter::Closing::whenAnythingChanged,
                           [self](const FileWalkSummary& summary) { self->finishCopy(summary); });
}

// The picker stays open after any failure, so that each "Error" alert stays until the user
// closes it and the files can be tried again; the files that were copied are shown and counted
// at once.
void FilePickerViewController::finishCopy(const FileWalkSummary& summary) {
    if (summary.failures.empty()) {
        dismissVC();
    }
    if (auto target = delegate()) {
        target->didFinishedCopyingFilesAndNeedUpdate();
    }
    foundation::NotificationCenter::defaultCenter().post("RefreshSetupDataNotification", this);
}

// Dismisses the picker itself, with whatever it presented (an "Error" alert still up goes
// with it), rather than only what it presented.
void FilePickerViewController::dismissVC() {
    std::shared_ptr<kit::ViewController> shown = navigationController();
    if (!shown) {
        shown = kit::sharedSelf(this);
    }
    if (auto presenter = shown->presentingViewController()) {
        presenter->dismiss(true);
    }
}

void FilePickerViewController::refreshButtonPressed() {
    if (searchTextField_) {
        searchTextField_->setText("");
        searchTextField_->resignFirstResponder();
    }
    loadPrefsData();
    applyCountDisplayRule();
    if (tableView_) {
        tableView_->reloadData();
    }
}

void FilePickerViewController::presentSortVC() {
    std::weak_ptr<FilePickerViewController> weak = kit::sharedSelf(this);
    present(
        SortSheet::make(kFileSortTypes, StoredSortType::read(kFilePickerSortTypeKey, kSortFileAToZ),
                        [weak](const std::string& sortType) {
                            StoredSortType::write(kFilePickerSortTypeKey, sortType);
                            if (auto picker = weak.lock()) {
                                picker->refreshButtonPressed();
                            }
                        }),
        true);
}

}  // namespace kelvora
