#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/FilePickerProtocol.h"
#include "files/SetupFileList.h"
#include "platform/kit/Label.h"
#include "platform/kit/TableView.h"
#include "platform/kit/ViewController.h"
#include "store/FileWalk.h"
#include "store/SetupData.h"
#include "ui/SpinnerMessageView.h"

namespace kelvora {

// The screen of one Setup: its plist files, a plus button that opens the file picker for it,
// and a bottom toolbar to edit (check and delete files), restore the Setup into the
// Preferences folder (after a review of what it would change, if asked), or sort. It is in one of
// three states: empty (no toolbar, a message), browsing ("Edit", "Restore", "Sort") or editing
// ("Cancel", "Delete"). Every change of state reloads the list from disk and clears the selection.
class SetupExplorerViewController final : public kit::ViewController,
                                          public kit::TableViewDataSource,
                                          public kit::TableViewDelegate,
                                          public FilePickerProtocol {
    struct Token {
        explicit Token() = default;
    };

  public:
    SetupExplorerViewController(Token, SetupData data);
    static std::shared_ptr<SetupExplorerViewController> initWithData(SetupData data);

    const SetupData& data() const { return data_; }
    const std::vector<PlistFileRecord>& setupArray() const { return list_.setupArray(); }
    const std::vector<std::string>& addedArray() const { return addedArray_; }
    bool isInEditingMode() const { return isInEditingMode_; }
    std::optional<std::string> setupFolderPath() const { return list_.setupFolderPath(); }
    static std::string preferencesFolderPath();

    const std::shared_ptr<kit::TableView>& tableView() const { return tableView_; }
    const std::shared_ptr<kit::Label>& noResultLabel() const { return noResultLabel_; }
    const std::shared_ptr<SpinnerMessageView>& messageView() const { return messageView_; }

    void viewDidLoad() override;

    void loadSetupData();
    void refreshData();
    void updateToolbarButton();
    void beginEditingMode();
    void cancelEditingMode();
    void presentFilePickerVC();
    void presentSortVC();
    void showDeleteSetupFilesConfirmation();
    void deleteTheSetupFiles();
    void restoreSetupConfirmation();
    // Shows what the restore would change before it runs; it can start the restore.
    void presentRestoreReview();
    void copySetupFilesToPreferencesFolder();

    void didFinishedCopyingFilesAndNeedUpdate() override;

    std::int64_t numberOfRows(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::TableViewCell> cellForRow(kit::TableView& tableView,
                                                   kit::IndexPath indexPath) override;
    std::optional<double> heightForRow(kit::TableView& tableView,
                                       kit::IndexPath indexPath) override;
    void didSelectRow(kit::TableView& tableView, kit::IndexPath indexPath) override;

    std::string className() const override { return "SetupExplorerViewController"; }

  private:
    void defineActions();
    void layoutNoResultLabel();
    void layoutTableView();
    void layoutMessageView();
    std::shared_ptr<kit::BarButtonItem> toolbarItem(const char* title, const char* action);
    void showAlertWithTitle(const std::string& title, const std::string& message);
    void finishDelete();
    void finishRestore(const FileWalkSummary& summary);

    SetupData data_;
    SetupFileList list_;
    std::vector<std::string> addedArray_;
    bool isInEditingMode_ = false;
    std::shared_ptr<kit::TableView> tableView_;
    std::shared_ptr<kit::Label> noResultLabel_;
    std::shared_ptr<SpinnerMessageView> messageView_;
};

}  // namespace kelvora
