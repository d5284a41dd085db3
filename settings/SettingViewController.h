#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Result.h"
#include "platform/kit/ColorPickerViewControllerDelegate.h"
#include "platform/kit/Control.h"
#include "platform/kit/Label.h"
#include "platform/kit/TableView.h"
#include "platform/kit/ViewController.h"
#include "settings/SettingsModel.h"
#include "store/FileWalk.h"
#include "ui/SpinnerMessageView.h"

namespace kelvora {

// The screen of the "Settings" tab: a fixed top bar with its title over a table built from
// the settings resource. Rows show their stored values and act by kind when tapped: a colour
// row opens the colour picker, link and social rows open their address, and a button row
// runs one of the screen's named actions on the next turn of the main queue, among them the
// restore of the original preference files.
//
// A button row naming an action the screen does not have, and a link or social row without
// an address, do nothing but write one log line, so a mistake in the resource shows up.
class SettingViewController final : public kit::ViewController,
                                    public kit::TableViewDataSource,
                                    public kit::TableViewDelegate,
                                    public kit::ColorPickerViewControllerDelegate {
    struct Token {
        explicit Token() = default;
    };

  public:
    SettingViewController(Token, foundation::Bundle bundle);
    static std::shared_ptr<SettingViewController> make(foundation::Bundle bundle);

    static constexpr double kRowHeight = 75;
    static constexpr double kSectionHeaderHeight = 40;

    void viewDidLoad() override;
    // The tab bar is known only once the screen is inside its tab controller.
    void viewWillAppear(bool animated) override;

    const std::shared_ptr<kit::View>& headerView() const { return headerView_; }
    const std::shared_ptr<kit::Label>& navTitle() const { return navTitle_; }
    const std::shared_ptr<kit::TableView>& tableView() const { return tableView_; }
    const std::shared_ptr<SpinnerMessageView>& messageView() const { return messageView_; }
    const SettingsModel& model() const { return model_; }

    // Table.
    std::int64_t numberOfSections(kit::TableView& tableView) override;
    std::int64_t numberOfRows(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::TableViewCell> cellForRow(kit::TableView& tableView,
                                                   kit::IndexPath indexPath) override;
    std::optional<double> heightForRow(kit::TableView& tableView,
                                       kit::IndexPath indexPath) override;
    std::optional<double> heightForHeader(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::View> viewForHeader(kit::TableView& tableView,
                                             std::int64_t section) override;
    void didSelectRow(kit::TableView& tableView, kit::IndexPath indexPath) override;
    void didHighlightRow(kit::TableView& tableView, kit::IndexPath indexPath) override;
    void didUnhighlightRow(kit::TableView& tableView, kit::IndexPath indexPath) override;
    void scrollViewDidScroll(kit::ScrollView& scrollView) override;

    // Values.
    void switchChangedState(const std::shared_ptr<kit::Control>& sender);
    void colorPickerViewControllerDidSelectColor(
        const std::shared_ptr<kit::ColorPickerViewController>& picker) override;
    void colorPickerViewControllerDidFinish(
        const std::shared_ptr<kit::ColorPickerViewController>& picker) override;

    // Named actions.
    void presentRestoreOriginalFilesConfirmation();
    void presentChangelogVC();
    // The tutorial belongs to the Setups screen; a row may name it here, and it does nothing.
    void presentTutorialVC() {}
    // The list of restore points, in a sheet of its own.
    void presentRestorePointsVC();

    // Restore of the original preference files.
    static const std::string& originalPrefsFilesPath();
    static const std::string& prefsFolderPath();
    void beginRestoreOriginalFiles();
    void showAlertWithTitle(const std::string& title, const std::string& sub);

  private:
    void defineNamedActions();
    void layoutHeaderView();
    void layoutTableView();
    std::shared_ptr<kit::View> makeTableHeader() const;
    std::shared_ptr<kit::TableViewCell> makeCell(const std::string& identifier);
    void presentColourPicker(const foundation::PlistDictionary& row);
    void openURLOfRow(const foundation::PlistDictionary& row);
    void runActionOfRow(const foundation::PlistDictionary& row);
    void pressRow(kit::IndexPath indexPath, bool pressed);
    void colourChanged(const kit::Color& colour);
    void finishRestore(const FileWalkSummary& summary);

    foundation::Bundle bundle_;
    SettingsModel model_;
    std::shared_ptr<kit::View> headerView_;
    std::shared_ptr<kit::Label> navTitle_;
    std::shared_ptr<kit::TableView> tableView_;
    std::shared_ptr<SpinnerMessageView> messageView_;
};

}  // namespace kelvora
