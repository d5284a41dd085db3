#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/FilePickerViewController.h"
#include "files/PlistFileCell.h"
#include "store/SetupManager.h"
#include "tests/files/FileScreenFixture.h"
#include "tests/files/FileTimes.h"
#include "tests/support/Golden.h"

namespace kelvora {

namespace {

const std::optional<std::string> kPrefsID = "com.zerovin.KelvoraPrefs";

class FilePickerTest : public FileScreenFixture {
  protected:
    std::shared_ptr<FilePickerViewController> picker;

    // Opens the explorer and its picker, and lets the picker's transition end.
    void open() {
        openExplorer();
        tapAndWait("plus");
        auto shown = std::dynamic_pointer_cast<kit::NavigationController>(
            navigation->presentedViewController());
        ASSERT_NE(shown, nullptr) << "the picker is not on screen";
        picker = std::dynamic_pointer_cast<FilePickerViewController>(shown->topViewController());
        ASSERT_NE(picker, nullptr);
    }
    Lines shownRows() const {
        Lines names;
        for (std::size_t row = 0; row < picker->catalogue().plistCount(); ++row) {
            names.push_back(picker->catalogue().plistAt(row).plistName);
        }
        return names;
    }
    void search(std::string_view text) {
        tap("Search...");
        ASSERT_TRUE(driver->type(text).ok());
        driver->settle();
    }
};

TEST_F(FilePickerTest, ShowsTheTweaksFilesFiltersThemAndClosesWithoutCopying) {
    pref("com.example.tweak.plist", std::string(1500, 'x'));
    pref("com.other.app.plist");
    pref("com.apple.springboard.plist");
    for (const char* name : {"com.example.tweak.plist", "com.other.app.plist"}) {
        filetests::setModified(root.host(prefs + name), filetests::utc(2026, 3, 14, 10, 0, 0));
    }
    open();
    tap("com.other.app.plist");
    auto ticked = std::dynamic_pointer_cast<PlistFileCell>(picker->tableView()->cellForRow({0, 1}));
    ASSERT_NE(ticked, nullptr);
    EXPECT_EQ(ticked->checkedIcon()->image()->name(), "checkmark.circle.fill");
    testsupport::expectScreenMatchesGolden(window, "files-picker-notched-light");

    // A row tapped in a filtered list is that row's file.
    search("TWEAK");
    EXPECT_EQ(shownRows(), Lines{"com.example.tweak.plist"});
    EXPECT_EQ(picker->title(), "Preferences (1)");
    tap("com.example.tweak.plist");
    tapAndWait("Done");
    EXPECT_FALSE(picker->searchTextField()->isEditing());
    EXPECT_EQ(shownRows().size(), 1u) << "Done keeps the filter";
    tap("TWEAK");
    ASSERT_TRUE(driver->type("zz").ok());
    driver->settle();
    EXPECT_TRUE(driver->isShowing("No Results"));
    tapAndWait("Cancel");
    EXPECT_EQ(picker->searchTextField()->text(), "");
    EXPECT_EQ(shownRows().size(), 2u);
    EXPECT_EQ(picker->addedArray(), (Lines{"com.other.app.plist", "com.example.tweak.plist"}));

    tapAndWait("xmark");
    EXPECT_EQ(navigation->presentedViewController(), nullptr);
    EXPECT_TRUE(listed(setup).empty()) << "closing copies nothing";
}

TEST_F(FilePickerTest, SortSheetChecksTheStoredChoiceClearsTheSearchAndKeepsTheSelection) {
    for (const char* name : {"Zeta.plist", "alpha.plist", "beta.plist"}) {
        pref(name);
    }
    SetupManager::sharedInstance().setObject(foundation::PlistValue(std::string("File Z-A")),
                                             "filePickerSortType", kPrefsID);
    open();
    EXPECT_EQ(shownRows(), (Lines{"beta.plist", "alpha.plist", "Zeta.plist"}));
    tap("beta.plist");
    search("a.");

    tap("text.append");
    auto sheet = alertOver(*picker->navigationController());
    ASSERT_NE(sheet, nullptr);
    ASSERT_EQ(sheet->actions().size(), 5u);
    EXPECT_TRUE(sheet->actions()[1].checked && !sheet->actions()[0].checked);
    driver->wait(1);
    tapAndWait("File A-Z");

    EXPECT_EQ(shownRows(), (Lines{"Zeta.plist", "alpha.plist", "beta.plist"}));
    EXPECT_EQ(picker->searchTextField()->text(), "");
    EXPECT_EQ(picker->addedArray(), Lines{"beta.plist"});

    pref("gamma.plist");
    tapAndWait("goforward");
    EXPECT_EQ(shownRows(), (Lines{"Zeta.plist", "alpha.plist", "beta.plist", "gamma.plist"}));
    EXPECT_EQ(picker->addedArray(), Lines{"beta.plist"}) << "a refresh keeps the selection";
}

TEST_F(FilePickerTest, JumpButtonShowsPast275PointsAndScrollsBackToTheTop) {
    for (int index = 0; index < 30; ++index) {
        pref("file" + std::to_string(10 + index) + ".plist");
    }
    open();
    auto table = picker->tableView();
    double top = table->contentOffset().y;
    table->setContentOffset({0, 276});
    driver->wait(0.5);
    EXPECT_EQ(picker->jumpView()->alpha(), 1);

    tapAndWait("chevron.up");
    EXPECT_EQ(table->contentOffset().y, top);
    EXPECT_EQ(picker->jumpView()->alpha(), 0);
}

// With nothing chosen, Add copies nothing. An earlier file that fails must not be hidden by a
// last one that succeeds: the picker stays open with its "Error" and the explorer shows at once
// what was copied. A second tap drops a name and a third puts it back at the end, so "a" is
// copied last.
TEST_F(FilePickerTest, CopiesInTapOrderAndStaysOpenWithItsErrorAfterAFailure) {
    for (const char* name : {"a.plist", "b.plist", "c.plist"}) {
        pref(name, std::string("new ") + name);
    }
    open();
    EXPECT_TRUE(navigation->isToolbarHidden()) << "the explorer has no files yet";
    tapAndWait("Add");
    EXPECT_TRUE(driver->isShowing("Sorry"));
    tapAndWait("Okay");
    EXPECT_TRUE(listed(setup).empty());
    EXPECT_TRUE(refreshes.empty());
    for (const char* name : {"c.plist", "a.plist", "b.plist", "a.plist", "a.plist"}) {
        tap(name);
    }
    std::filesystem::remove(root.host(prefs + "c.plist"));
    tapAndWait("Add");

    ASSERT_NE(picker->navigationController(), nullptr) << "the picker is still open";
    auto alert = alertOver(*picker->navigationController());
    ASSERT_NE(alert, nullptr) << "the error is still up";
    EXPECT_EQ(alert->alertTitle(), "Error");
    EXPECT_NE(alert->message().find(prefs + "c.plist"), std::string::npos) << alert->message();
    EXPECT_EQ(picker->navigationController()->presentingViewController(), navigation);
    EXPECT_EQ(listed(setup), (Lines{"a.plist", "b.plist"}));
    EXPECT_EQ(explorer->setupArray().size(), 2u) << "the explorer shows the copied files";
    EXPECT_FALSE(navigation->isToolbarHidden());

    tapAndWait("Okay");
    pref("c.plist", "new c.plist");
    tapAndWait("Add");
    auto& lines = log.lines();
    EXPECT_EQ(
        Lines(lines.end() - 5, lines.end()),
        (Lines{"last file " + setup + "a.plist", "successfully copy all files " + setup + "c.plist",
               "successfully copy all files " + setup + "b.plist",
               "successfully copy all files " + setup + "a.plist",
               "yay saved the fucking last file"}));
    EXPECT_EQ(refreshes, (std::vector<const void*>{picker.get(), picker.get()}));
    EXPECT_EQ(navigation->presentedViewController(), nullptr) << "the picker is dismissed";
    EXPECT_EQ(root.read(setup + "c.plist"), "new c.plist");
    EXPECT_TRUE(driver->isShowing("c.plist")) << "the explorer was told to reload";
}

}  // namespace

}  // namespace kelvora
