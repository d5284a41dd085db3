#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/PlistFileCell.h"
#include "platform/kit/Toolbar.h"
#include "store/SetupManager.h"
#include "tests/files/FileScreenFixture.h"

namespace kelvora {

namespace {

using Lines = std::vector<std::string>;

const std::optional<std::string> kPrefsID = "com.zerovin.KelvoraPrefs";

class SetupExplorerTest : public FileScreenFixture {
  protected:
    // The titles of the toolbar on screen, spaces as "|"; nothing while it is hidden.
    Lines toolbar() const {
        Lines titles;
        if (navigation->isToolbarHidden()) {
            return titles;
        }
        for (const auto& item : navigation->toolbar()->items()) {
            titles.push_back(item->isFlexibleSpace() ? "|" : item->title());
        }
        return titles;
    }
    Lines rows() const {
        Lines names;
        for (const auto& record : explorer->setupArray()) {
            names.push_back(record.plistName);
        }
        return names;
    }
    // The check mark each visible row shows, by file name; "" while it is hidden.
    std::string checkOf(const std::string& name) const {
        for (const auto& cell : explorer->tableView()->visibleCells()) {
            auto row = std::dynamic_pointer_cast<PlistFileCell>(cell);
            if (row && row->titleLabel()->text() == name) {
                const auto& image = row->checkedIcon()->image();
                return row->checkedIcon()->alpha() == 0 || !image ? "" : image->name();
            }
        }
        return "missing";
    }
};

const Lines kBrowsing{"Edit", "|", "Restore", "|", "Sort"};
const Lines kEditing{"Cancel", "|", "|", "|", "Delete"};

TEST_F(SetupExplorerTest, ToolbarFollowsTheEmptyBrowsingAndEditingStates) {
    pref("a.plist");
    openExplorer();
    EXPECT_TRUE(
        driver->isShowing("You don't have any files. \nPress the plus button to add files."));
    EXPECT_EQ(toolbar(), Lines{});
    EXPECT_EQ(explorer->title(), "Work Bench");

    openPicker();
    tap("a.plist");
    tapAndWait("Add");
    EXPECT_EQ(toolbar(), kBrowsing);
    EXPECT_FALSE(driver->isShowing("You don't have any files."));
    EXPECT_EQ(checkOf("a.plist"), "") << "no check marks while browsing";
    tap("a.plist");
    EXPECT_TRUE(explorer->addedArray().empty()) << "taps do nothing while browsing";

    tapAndWait("Edit");
    EXPECT_EQ(toolbar(), kEditing);
    EXPECT_EQ(checkOf("a.plist"), "circle");
    tap("a.plist");
    EXPECT_EQ(checkOf("a.plist"), "checkmark.circle.fill");

    tapAndWait("Cancel");
    EXPECT_EQ(toolbar(), kBrowsing);
    tapAndWait("Edit");
    EXPECT_EQ(checkOf("a.plist"), "circle") << "a new editing session starts unchecked";
}

TEST_F(SetupExplorerTest, DeletingTwoCheckedFilesAsksWithTheirCountAndPostsOnce) {
    for (const char* name : {"a.plist", "b.plist", "c.plist"}) {
        setupFile(name);
    }
    openExplorer();
    tapAndWait("Edit");
    tapAndWait("Delete");
    EXPECT_TRUE(driver->isShowing("You haven't select any files you want to delete."));
    tapAndWait("Okay");

    tap("b.plist");
    tap("a.plist");
    tapAndWait("Delete");
    EXPECT_TRUE(driver->isShowing("Are you sure you want to delete 2 files?"));
    tapAndWait("Delete");

    EXPECT_EQ(entries(kSetup), Lines{"c.plist"});
    EXPECT_EQ(refreshes, std::vector<const void*>{explorer.get()});
    EXPECT_FALSE(explorer->isInEditingMode());
    EXPECT_TRUE(explorer->addedArray().empty());
    EXPECT_EQ(rows(), Lines{"c.plist"});
    EXPECT_EQ(toolbar(), kBrowsing);
    EXPECT_EQ(log.count("successfully delete all files " + std::string(kSetup) + "a.plist"), 1u);
}

TEST_F(SetupExplorerTest, DeletingTheLastFilesReturnsToTheEmptyState) {
    setupFile("a.plist");
    openExplorer();
    tapAndWait("Edit");
    tap("a.plist");
    tapAndWait("Delete");
    tapAndWait("Delete");

    EXPECT_TRUE(entries(kSetup).empty());
    EXPECT_EQ(toolbar(), Lines{});
    EXPECT_TRUE(
        driver->isShowing("You don't have any files. \nPress the plus button to add files."));
}

TEST_F(SetupExplorerTest, RestoreCopiesEveryEntryAndReportsThePlistCount) {
    setupFile("a.plist", "mine a");
    setupFile("B.PLIST", "mine B");
    setupFile("readme.txt", "notes");
    setupFile("com.apple.x.plist", "listed here");
    pref("a.plist", "theirs a");
    openExplorer();
    EXPECT_EQ(rows(), (Lines{"B.PLIST", "a.plist", "com.apple.x.plist"}));

    tapAndWait("Restore");
    EXPECT_TRUE(driver->isShowing("Are you sure you want to restore this setup to Preferences?"));
    tapAndWait("Restore Work Bench Setup");

    EXPECT_EQ(readPref("a.plist"), "mine a");
    EXPECT_EQ(readPref("B.PLIST"), "mine B");
    EXPECT_EQ(readPref("readme.txt"), "notes");
    EXPECT_TRUE(driver->isShowing(
        "Successfully restore 3 files to Preferences folder and you will need to respring your "
        "device for the tweak settings to take effect."));
    EXPECT_TRUE(refreshes.empty()) << "a restore changes no Setup";
}

TEST_F(SetupExplorerTest, RestoreOfAPlistAnUpperCasePlistAndAText) {
    setupFile("a.plist");
    setupFile("B.PLIST");
    setupFile("readme.txt");
    openExplorer();
    tapAndWait("Restore");
    tapAndWait("Restore Work Bench Setup");

    EXPECT_EQ(entries(kPrefs), (Lines{"B.PLIST", "a.plist", "readme.txt"}));
    EXPECT_TRUE(driver->isShowing("Successfully restore 2 files to Preferences folder"));
    EXPECT_EQ(log.count("yay saved the fucking last file"), 1u);
}

TEST_F(SetupExplorerTest, SortSheetKeepsItsOwnChoiceApartFromThePickers) {
    setupFile("a.plist");
    setupFile("B.PLIST");
    pref("a.plist");
    pref("B.plist");
    openExplorer();
    tapAndWait("Sort");
    auto sheet =
        std::dynamic_pointer_cast<kit::AlertController>(navigation->presentedViewController());
    ASSERT_NE(sheet, nullptr);
    Lines checked;
    for (const auto& action : sheet->actions()) {
        checked.push_back(action.title + (action.checked ? " *" : ""));
    }
    EXPECT_EQ(checked, (Lines{"File A-Z *", "File Z-A", "Date Newest", "Date Oldest", "Cancel"}));

    tapAndWait("File Z-A");
    EXPECT_EQ(rows(), (Lines{"a.plist", "B.PLIST"}));
    auto& manager = SetupManager::sharedInstance();
    EXPECT_EQ(manager.objectForKey("fileExplorerSortType", kPrefsID),
              foundation::PlistValue(std::string("File Z-A")));
    EXPECT_FALSE(manager.objectForKey("filePickerSortType", kPrefsID).has_value());
}

TEST_F(SetupExplorerTest, OddNamesAreRestoredAndDeletedAsTheyAre) {
    const Lines odd{"-rf.plist", "Ünïcödé tweak ✓.plist", "two  spaces.plist"};
    for (const auto& name : odd) {
        setupFile(name, "mine " + name);
    }
    openExplorer();
    tapAndWait("Restore");
    tapAndWait("Restore Work Bench Setup");
    for (const auto& name : odd) {
        EXPECT_EQ(readPref(name), "mine " + name);
    }

    tapAndWait("Okay");
    tapAndWait("Edit");
    tap("Ünïcödé tweak ✓.plist");
    tapAndWait("Delete");
    tapAndWait("Delete");
    EXPECT_EQ(entries(kSetup), (Lines{"-rf.plist", "two  spaces.plist"}));
}

}  // namespace

}  // namespace kelvora
