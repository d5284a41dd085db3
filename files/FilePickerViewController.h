#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/FilePickerProtocol.h"
#include "files/PreferencesCatalogue.h"
#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/TableView.h"
#include "platform/kit/TextField.h"
#include "platform/kit/TextFieldDelegate.h"
#include "platform/kit/ViewController.h"
#include "store/FileWalk.h"
#include "ui/DynamicNavigationBar.h"
#include "ui/SpinnerMessageView.h"

namespace kelvora {

// The modal screen on which the user picks Preferences files and copies them into one
// Setup: the catalogue as a table with a check mark per chosen file, a search field under a
// blurred header, a sort sheet, a refresh button, a button that jumps back to the top, and
// "Add". The chosen names are kept in the order they were chosen, across searches,
// refreshes and sorts, and may name files that have since left the folder.
class FilePickerViewController final : public kit::ViewController,
                                       public kit::TableViewDataSource,
                                       public kit::TableViewDelegate,
                                       public kit::TextFieldDelegate {
    struct Token {
        explicit Token() = default;
    };

  public:
    explicit FilePickerViewController(Token, std::string setupFolderName);
    static std::shared_ptr<FilePickerViewController> initWithSetupFolderName(
        std::string setupFolderName);

    std::shared_ptr<FilePickerProtocol> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<FilePickerProtocol> delegate) {
        delegate_ = std::move(delegate);
    }

    const std::vector<std::string>& addedArray() const { return addedArray_; }
    const PreferencesCatalogue& catalogue() const { return catalogue_; }
    // "/var/mobile/Kelvora/Setup/<folder name>/".
    std::optional<std::string> setupFolderPath() const;

    const std::shared_ptr<kit::TableView>& tableView() const { return tableView_; }
    const std::shared_ptr<kit::TextField>& searchTextField() const { return searchTextField_; }
    const std::shared_ptr<kit::View>& jumpView() const { return jumpView_; }
    const std::shared_ptr<kit::Label>& noResultLabel() const { return noResultLabel_; }
    const std::shared_ptr<SpinnerMessageView>& messageView() const { return messageView_; }

    void viewDidLoad() override;

    // Actions.
    void saveChanges();
    void copyPreferencesFilesToCurrentSetup();
    void dismissVC();
    void refreshButtonPressed();
    void presentSortVC();
    void scrollToTop();
    void dismissKeyboard();
    void cancelSearch();

    // Table.
    std::int64_t numberOfRows(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::TableViewCell> cellForRow(kit::TableView& tableView,
                                                   kit::IndexPath indexPath) override;
    std::optional<double> heightForRow(kit::TableView& tableView,
                                       kit::IndexPath indexPath) override;
    void didSelectRow(kit::TableView& tableView, kit::IndexPath indexPath) override;
    void scrollViewDidScroll(kit::ScrollView& scrollView) override;

    // Search field.
    bool textFieldShouldBeginEditing(const std::shared_ptr<kit::TextField>& field) override;
    void textFieldDidEndEditing(const std::shared_ptr<kit::TextField>& field) override;
    bool textFieldShouldReturn(const std::shared_ptr<kit::TextField>& field) override;

    std::string className() const override { return "FilePickerViewController"; }

  private:
    void defineActions();
    void setUpBarItems();
    void layoutTableView();
    void layoutNavigation();
    std::shared_ptr<kit::View> layoutSearchBar(const std::shared_ptr<kit::View>& strip);
    void layoutSearchField();
    void layoutNoResultLabel();
    void layoutJumpView();
    void layoutMessageView();
    std::shared_ptr<kit::View> textToolBarButtons();

    void loadPrefsData();
    void updateSearchResultWithString(const std::string& text);
    void applyCountDisplayRule();
    void reloadAnimated();
    void finishCopy(const FileWalkSummary& summary);
    void showAlertWithTitle(const std::string& title, const std::string& message);

    std::string setupFolderName_;
    std::weak_ptr<FilePickerProtocol> delegate_;
    PreferencesCatalogue catalogue_;
    std::vector<std::string> addedArray_;

    std::shared_ptr<kit::TableView> tableView_;
    std::shared_ptr<DynamicNavigationBar> navbarView_;
    std::shared_ptr<kit::View> searchBarView_;
    std::shared_ptr<kit::ImageView> searchIcon_;
    std::shared_ptr<kit::TextField> searchTextField_;
    std::shared_ptr<kit::View> jumpView_;
    std::shared_ptr<kit::Label> noResultLabel_;
    std::shared_ptr<SpinnerMessageView> messageView_;
};

}  // namespace kelvora
