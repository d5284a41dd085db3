#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/PlistFileCell.h"
#include "platform/kit/Button.h"
#include "platform/kit/NavigationBar.h"
#include "store/SetupManager.h"
#include "tests/files/FileScreenFixture.h"
#include "tests/files/FileTimes.h"

namespace kelvora {

namespace {

using Lines = std::vector<std::string>;

const std::optional<std::string> kPrefsID = "com.zerovin.KelvoraPrefs";

class FilePickerTest : public FileScreenFixture {
  protected:
    std::shared_ptr<FilePickerViewController> picker;

    void open() {
        picker = openPicker();
        ASSERT_NE(picker, nullptr);
    }
    Lines shownRows() const {
        Lines names;
        for (std::size_t row = 0; row < picker->catalogue().plistCount(); ++row) {
            names.push_back(picker->catalogue().plistAt(row).plistName);
        }
        return names;
    }
    static Lines labelsOf(const std::vector<std::shared_ptr<kit::Button>>& buttons) {
        Lines labels;
        for (const auto& button : buttons) {
            auto title = button->currentTitle();
            auto image = button->currentImage();
            labels.push_back(title ? *title : image ? image->name() : "?");
        }
        return labels;
    }
    void search(std::string_view text) {
        tap("Search...");
        ASSERT_TRUE(driver->type(text).ok());
        driver->settle();
    }
};

TEST_F(FilePickerTest, BarShowsItsItemsFromTheOuterEdgesOverAClearBar) {
    pref("com.example.tweak.plist");
    open();
    auto bar = picker->navigationController()->navigationBar();
    EXPECT_EQ(labelsOf(bar->leftButtons()), (Lines{"xmark", "text.append"}));
    EXPECT_EQ(labelsOf(bar->rightButtons()), (Lines{"Add", "goforward"}));
    EXPECT_TRUE(bar->isBackgroundTransparent());
    auto shown = picker->navigationController();
    EXPECT_EQ(shown->modalPresentationStyle(), kit::ModalPresentationStyle::fullScreen);
    EXPECT_EQ(shown->modalTransitionStyle(), kit::ModalTransitionStyle::crossDissolve);
    EXPECT_EQ(picker->title(), "Preferences (1)");
    // The rows and their indicator clear the floating bar and the button under the list.
    EXPECT_EQ(picker->tableView()->contentInset(), (kit::EdgeInsets{56, 0, 70, 0}));
    EXPECT_EQ(picker->tableView()->scrollIndicatorInsets(), (kit::EdgeInsets{56, 0, 70, 0}));

    tapAndWait("xmark");
    EXPECT_EQ(navigation->presentedViewController(), nullptr);
    EXPECT_TRUE(entries(kSetup).empty()) << "closing copies nothing";
}

TEST_F(FilePickerTest, SearchFiltersByNameAndCancelBringsBackEverythingWithTheSelection) {
    pref("com.example.tweak.plist");
    pref("com.other.app.plist");
    pref("com.apple.springboard.plist");
    open();
    EXPECT_EQ(shownRows(), (Lines{"com.example.tweak.plist", "com.other.app.plist"}));

    search("TWEAK");
    EXPECT_EQ(shownRows(), Lines{"com.example.tweak.plist"});
    EXPECT_EQ(picker->title(), "Preferences (1)");
    tap("com.example.tweak.plist");

    ASSERT_TRUE(driver->type("zz").ok());
    driver->settle();
    EXPECT_EQ(picker->title(), "Preferences");
    EXPECT_TRUE(driver->isShowing("No Results"));

    tapAndWait("Cancel");
    EXPECT_EQ(picker->searchTextField()->text(), "");
    EXPECT_EQ(shownRows().size(), 2u);
    EXPECT_FALSE(driver->isShowing("No Results"));
    EXPECT_EQ(picker->addedArray(), Lines{"com.example.tweak.plist"});
}

TEST_F(FilePickerTest, DoneKeepsTheFilterAndADotMatchesEveryRow) {
    pref("a.plist");
    pref("b.plist");
    open();
    search(".");
    tapAndWait("Done");
    EXPECT_FALSE(picker->searchTextField()->isEditing());
    EXPECT_EQ(shownRows().size(), 2u);
    EXPECT_EQ(picker->title(), "Preferences (2)");
}

TEST_F(FilePickerTest, SortSheetChecksTheStoredChoiceClearsTheSearchAndKeepsTheSelection) {
    pref("Zeta.plist");
    pref("alpha.plist");
    pref("beta.plist");
    SetupManager::sharedInstance().setObject(foundation::PlistValue(std::string("File Z-A")),
                                             "filePickerSortType", kPrefsID);
    open();
    // Writing the choice made the app's own settings file, which is never a tweak's.
    EXPECT_EQ(shownRows(), (Lines{"beta.plist", "alpha.plist", "Zeta.plist"}));
    tap("beta.plist");
    search("a.");

    tap("text.append");
    auto sheet = std::dynamic_pointer_cast<kit::AlertController>(
        picker->navigationController()->presentedViewController());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->alertTitle(), "Sort");
    ASSERT_EQ(sheet->actions().size(), 5u);
    EXPECT_TRUE(sheet->actions()[1].checked);
    EXPECT_FALSE(sheet->actions()[0].checked);
    driver->wait(1);
    tapAndWait("File A-Z");

    EXPECT_EQ(shownRows(), (Lines{"Zeta.plist", "alpha.plist", "beta.plist"}));
    EXPECT_EQ(picker->searchTextField()->text(), "");
    EXPECT_EQ(picker->addedArray(), Lines{"beta.plist"});
    EXPECT_EQ(SetupManager::sharedInstance().objectForKey("fileExplorerSortType", kPrefsID),
              std::nullopt);
}

TEST_F(FilePickerTest, RefreshFindsNewFilesAndKeepsTheSelection) {
    pref("a.plist");
    open();
    tap("a.plist");
    pref("b.plist");
    tapAndWait("goforward");
    EXPECT_EQ(shownRows(), (Lines{"a.plist", "b.plist"}));
    EXPECT_EQ(picker->addedArray(), Lines{"a.plist"});
}

TEST_F(FilePickerTest, RowsAreLabelledWithTheirFileNameAndTicked) {
    pref("a.plist", std::string(1500, 'x'));
    filetests::setModified(root.host(std::string(kPrefs) + "a.plist"),
                           filetests::utc(2026, 3, 14, 10, 0, 0));
    open();
    tap("a.plist");
    auto cell = std::dynamic_pointer_cast<PlistFileCell>(picker->tableView()->cellForRow({0, 0}));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->accessibilityLabel(), "a.plist");
    EXPECT_EQ(cell->checkedIcon()->image()->name(), "checkmark.circle.fill");
    const std::string subtitle = cell->subtitleLabel()->text();
    EXPECT_EQ(subtitle, "Mar 14, 2026 10:00 \u2022 2 KB");
}

TEST_F(FilePickerTest, JumpButtonShowsPast275PointsAndScrollsBackToTheTop) {
    for (int index = 0; index < 30; ++index) {
        pref("file" + std::to_string(10 + index) + ".plist");
    }
    open();
    EXPECT_FALSE(driver->isShowing("chevron.up"));
    auto table = picker->tableView();
    double top = table->contentOffset().y;
    table->setContentOffset({0, 275});
    EXPECT_EQ(picker->jumpView()->alpha(), 0) << "exactly 275 changes nothing";
    table->setContentOffset({0, 276});
    driver->wait(0.5);
    EXPECT_EQ(picker->jumpView()->alpha(), 1);

    tapAndWait("chevron.up");
    EXPECT_EQ(table->contentOffset().y, top);
    EXPECT_EQ(picker->jumpView()->alpha(), 0);
}

}  // namespace

}  // namespace kelvora
