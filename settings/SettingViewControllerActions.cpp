#include "appearance/SetupAppearance.h"
#include "platform/foundation/FileManager.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/ColorPickerViewController.h"
#include "platform/kit/NavigationController.h"
#include "platform/kit/Switch.h"
#include "settings/RestorePointsViewController.h"
#include "settings/SettingViewController.h"
#include "settings/ZerovinPrefsColourPickerCell.h"
#include "store/StoreConstants.h"
#include "ui/FileWalkPresenter.h"
#include "ui/OkayAlert.h"

namespace kelvora {

void SettingViewController::switchChangedState(const std::shared_ptr<kit::Control>& sender) {
    auto* toggle = dynamic_cast<kit::Switch*>(sender.get());
    // The switch sits in the cell's content view, so the cell is two levels up.
    auto contentView = sender->superview();
    auto cell = contentView
                    ? std::dynamic_pointer_cast<kit::TableViewCell>(contentView->superview())
                    : nullptr;
    if (!toggle || !cell) {
        return;
    }
    if (auto indexPath = tableView_->indexPathForCell(*cell)) {
        model_.switchChangedState(indexPath->section, indexPath->row, toggle->isOn());
    }
}

void SettingViewController::colorPickerViewControllerDidSelectColor(
    const std::shared_ptr<kit::ColorPickerViewController>& picker) {
    colourChanged(picker->selectedColor());
}

void SettingViewController::colorPickerViewControllerDidFinish(
    const std::shared_ptr<kit::ColorPickerViewController>& picker) {
    colourChanged(picker->selectedColor());
}

// Only the edited row's swatch is redrawn, and only when it is on screen; the stored value is
// what every later fill reads.
void SettingViewController::colourChanged(const kit::Color& colour) {
    auto cell =
        tableView_->cellForRow({model_.prefsIndexPathSection(), model_.prefsIndexPathRow()});
    if (auto* colourCell = dynamic_cast<ZerovinPrefsColourPickerCell*>(cell.get())) {
        colourCell->colourView()->setBackgroundColor(colour);
    }
    model_.colorPickerViewControllerDidSelectColor(colour, this);
}

void SettingViewController::presentChangelogVC() {
    auto alert = kit::AlertController::make(
        "\xF0\x9F\x98\x95",
        "Sorry the changelog isn't available at the moment since it's the initial release.",
        kit::AlertControllerStyle::alert);
    alert->addAction({"Okay", kit::AlertActionStyle::defaultStyle, {}});
    present(alert, true);
}

void SettingViewController::presentRestoreOriginalFilesConfirmation() {
    auto alert = kit::AlertController::make(
        "Kelvora",
        "Are you sure you want to restore original preferences files that was back up when you "
        "first installed Kelvora?",
        kit::AlertControllerStyle::alert);
    alert->view()->setTintColor(SetupAppearance::setupAccentColour());
    std::weak_ptr<SettingViewController> weak = kit::sharedSelf(this);
    alert->addAction({"Restore Original Files", kit::AlertActionStyle::defaultStyle, [weak] {
                          if (auto screen = weak.lock()) {
                              screen->beginRestoreOriginalFiles();
                          }
                      }});
    alert->addAction({"Cancel", kit::AlertActionStyle::cancel, {}});
    present(alert, true);
}

void SettingViewController::presentRestorePointsVC() {
    auto navigation = kit::NavigationController::make(RestorePointsViewController::make());
    navigation->setModalPresentationStyle(kit::ModalPresentationStyle::fullScreen);
    present(navigation, true);
}

void SettingViewController::showAlertWithTitle(const std::string& title, const std::string& sub) {
    present(OkayAlert::make(title, sub), true);
}

const std::string& SettingViewController::originalPrefsFilesPath() {
    static const std::string path(kOriginalFolderPrefix);
    return path;
}

const std::string& SettingViewController::prefsFolderPath() {
    static const std::string path(kPreferencesFolderPath);
    return path;
}

// Every entry of the Original folder goes over its namesake in the Preferences folder, all in
// one batch that waits for the disk once. Each copy goes to a temporary name and is renamed over
// the old file, so a copy that fails keeps the file the tweak has now; the Original folder is only
// read, so the restore can be run again. The closing message claims success only when every entry
// was restored.
void SettingViewController::beginRestoreOriginalFiles() {
    auto names =
        foundation::FileManager::defaultManager().contentsOfDirectory(originalPrefsFilesPath());
    if (!names) {
        return;
    }
    std::weak_ptr<SettingViewController> weak = kit::sharedSelf(this);
    FileWalkPresenter::run(FileWalk::restore(originalPrefsFilesPath(), prefsFolderPath(),
                                             std::move(*names), "Original Files"),
                           messageView_, kit::sharedSelf(this),
                           FileWalkPresenter::Closing::whenLastSucceeded,
                           [weak](const FileWalkSummary& summary) {
                               if (auto screen = weak.lock()) {
                                   screen->finishRestore(summary);
                               }
                           });
}

void SettingViewController::finishRestore(const FileWalkSummary& summary) {
    if (summary.failures.empty()) {
        showAlertWithTitle("Kelvora",
                           "Successfully restore original files to Preferences folder and you will "
                           "need to respring your device for the tweak settings to take effect.");
    }
}

}  // namespace kelvora
