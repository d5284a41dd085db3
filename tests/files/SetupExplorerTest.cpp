#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "files/KeyDiffViewController.h"
#include "files/PlistFileCell.h"
#include "platform/foundation/PropertyList.h"
#include "platform/kit/Toolbar.h"
#include "store/SetupManager.h"
#include "tests/files/FileScreenFixture.h"
#include "tests/files/FileTimes.h"
#include "tests/support/Golden.h"

namespace kelvora {

namespace {

const std::optional<std::string> kPrefsID = "com.zerovin.KelvoraPrefs";

class SetupExplorerTest : public FileScreenFixture {
  protected:
    // The titles of the toolbar on screen, spaces as "|"; nothing while it is hidden.
    Lines toolbar() const {
        Lines titles;
        if (!navigation->isToolbarHidden()) {
            for (const auto& item : navigation->toolbar()->items()) {
                titles.push_back(item->isFlexibleSpace() ? "|" : item->title());
            }
        }
        return titles;
    }
    // The check mark a visible row shows; "" while it is hidden.
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
    Lines rows() const {
        Lines names;
        for (const auto& record : explorer->setupArray()) {
            names.push_back(record.plistName);
        }
        return names;
    }
    const Lines browsing{"Edit", "|", "Restore", "|", "Sort"};
};

// The empty explorer's road to browsing is the picker's copy road. Odd names are deleted as
// they are, never read as options or split at spaces; a delete that fails part way says so and
// the list shows what is on disk.
TEST_F(SetupExplorerTest, EditingChecksRowsAndADeleteThatFailsListsWhatIsLeft) {
    for (const char* name : {"-rf.plist", "two  spaces.plist", "c.plist"}) {
        setupFile(name);
        filetests::setModified(root.host(setup + name), filetests::utc(2026, 12, 6, 9, 30, 0));
    }
    openExplorer();
    EXPECT_EQ(toolbar(), browsing);
    tap("c.plist");
    EXPECT_EQ(checkOf("c.plist"), "") << "taps do nothing while browsing";
    tapAndWait("Edit");
    tap("c.plist");
    EXPECT_EQ(checkOf("c.plist"), "checkmark.circle.fill");
    tapAndWait("Cancel");
    EXPECT_EQ(toolbar(), browsing);
    tapAndWait("Edit");
    EXPECT_EQ(checkOf("c.plist"), "circle") << "a new editing session starts unchecked";
    tapAndWait("Delete");
    EXPECT_TRUE(driver->isShowing("You haven't select any files you want to delete."));
    tapAndWait("Okay");
    tap("two  spaces.plist");
    tap("-rf.plist");
    testsupport::expectScreenMatchesGolden(window, "files-explorer-notched-light");
    failUnder(foundation::FaultKind::remove, setup + "two  spaces.plist", EACCES);
    tapAndWait("Delete");
    EXPECT_TRUE(driver->isShowing("Are you sure you want to delete 2 files?"));
    tap("Delete");
    EXPECT_TRUE(driver->isShowing("Error"));
    tapAndWait("Okay");

    EXPECT_EQ(listed(setup), (Lines{"c.plist", "two  spaces.plist"}));
    EXPECT_EQ(rows(), (Lines{"c.plist", "two  spaces.plist"}));
    EXPECT_EQ(refreshes, std::vector<const void*>{explorer.get()});
    EXPECT_EQ(toolbar(), browsing);
}

// From the restore confirmation to the review, which lists every entry the restore copies, into
// one file's keys and back, then the restore. Every entry is restored, whatever its name; the
// message counts the plists, names the picker leaves out included, and its Undo puts the former
// files back.
TEST_F(SetupExplorerTest, TheReviewLeadsToARestoreOfEveryEntryThatCanBeUndone) {
    ASSERT_TRUE(foundation::writeToFile({{"enabled", true}}, prefs + "edited.plist"));
    ASSERT_TRUE(foundation::writeToFile({{"enabled", false}}, setup + "edited.plist"));
    const std::string theirs = root.read(prefs + "edited.plist");
    const Lines names{"-rf.plist", "B.PLIST", "com.apple.x.plist", "readme.txt",
                      "Ünïcödé tweak ✓.plist"};
    for (const auto& name : names) {
        setupFile(name, "mine " + name);
    }
    setupFile("same.plist", "same");
    pref("same.plist", "same");
    openExplorer();
    EXPECT_EQ(rows(), (Lines{"-rf.plist", "B.PLIST", "com.apple.x.plist", "edited.plist",
                             "same.plist", "Ünïcödé tweak ✓.plist"}));
    tapAndWait("Restore");
    EXPECT_TRUE(driver->isShowing("Are you sure you want to restore this setup to Preferences?"));
    tapAndWait("Review Changes");
    for (const char* heading : {"Will Change (1)", "Will Be Added (5)", "Already the Same (1)"}) {
        EXPECT_TRUE(driver->isShowing(heading)) << heading;
    }
    tapAndWait("edited.plist");
    ASSERT_TRUE(std::dynamic_pointer_cast<KeyDiffViewController>(navigation->topViewController()));
    EXPECT_TRUE(driver->isShowing("true \u2192 false"));
    tapAndWait("Back");
    tapAndWait("Restore");

    EXPECT_EQ(navigation->topViewController(), explorer);
    for (const auto& name : names) {
        EXPECT_EQ(root.read(prefs + name), "mine " + name);
    }
    EXPECT_TRUE(driver->isShowing(
        "Successfully restore 6 files to Preferences folder and you will need to respring your "
        "device for the tweak settings to take effect."));
    EXPECT_TRUE(refreshes.empty()) << "a restore changes no Setup";
    tapAndWait("Undo");
    EXPECT_EQ(listed(prefs), (Lines{"edited.plist", "same.plist"}));
    EXPECT_EQ(root.read(prefs + "edited.plist"), theirs);
    EXPECT_TRUE(driver->isShowing("Undo Setup Work Bench"));
}

// The picker's choice is not the explorer's, and the explorer's own choice outlives the screen.
TEST_F(SetupExplorerTest, SortSheetKeepsItsOwnChoiceApartFromThePickers) {
    auto& manager = SetupManager::sharedInstance();
    manager.setObject(std::string("Date Oldest"), "filePickerSortType", kPrefsID);
    setupFile("a.plist");
    setupFile("B.PLIST");
    openExplorer();
    tapAndWait("Sort");
    auto sheet = alertOver(*navigation);
    ASSERT_NE(sheet, nullptr);
    ASSERT_EQ(sheet->actions().size(), 5u);
    EXPECT_TRUE(sheet->actions()[0].checked && !sheet->actions()[3].checked);

    tapAndWait("File Z-A");
    EXPECT_EQ(rows(), (Lines{"a.plist", "B.PLIST"}));
    EXPECT_EQ(manager.objectForKey("filePickerSortType", kPrefsID),
              foundation::PlistValue(std::string("Date Oldest")));
    openExplorer();
    EXPECT_EQ(rows(), (Lines{"a.plist", "B.PLIST"}));
}

}  // namespace

}  // namespace kelvora
