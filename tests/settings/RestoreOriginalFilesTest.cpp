#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/foundation/FileManager.h"
#include "store/RestorePoints.h"
#include "tests/settings/SettingsFixture.h"

namespace kelvora {

namespace {

using Lines = std::vector<std::string>;

// Originals a, b and c; the Preferences folder holds a changed b and a file of its own, d.
class RestoreOriginalFilesTest : public SettingsFixture {
  protected:
    const std::string original = "/var/mobile/Kelvora/Original/";
    const std::string prefs = "/var/jb/vmo/Library/Preferences/";

    RestoreOriginalFilesTest() {
        for (const char* name : {"a.plist", "b.plist", "c.plist"}) {
            root.write(original + name, std::string("original ") + name);
        }
        root.write(prefs + "b.plist", "changed b");
        root.write(prefs + "d.plist", "own d");
        writeResource({header("Original Files"),
                       entry("ZerovinPrefsButtonCell",
                             {{"Title", "Restore Original Files"},
                              {"Action", "presentRestoreOriginalFilesConfirmation"}}),
                       entry("ZerovinPrefsButtonCell",
                             {{"Title", "Restore Points"}, {"Action", "presentRestorePointsVC"}})});
        showScreen();
    }
    // Taps the row and answers the confirmation; the row and the action share a text, and the
    // alert is in front.
    void restore(std::string_view answer) {
        tap("Restore Original Files");
        ASSERT_TRUE(presentedAlert());
        EXPECT_EQ(presentedAlert()->message(),
                  "Are you sure you want to restore original preferences files that was back up "
                  "when you first installed Kelvora?");
        tap(answer);
    }
    Lines contents(const std::string& folder) const {
        Lines files;
        for (const auto& name : testsupport::entries(root.host(folder))) {
            files.push_back(name + ": " + root.read(folder + name));
        }
        return files;
    }
};

TEST_F(RestoreOriginalFilesTest, PutsEveryOriginalBackAfterTheConfirmationAndLeavesOthersAlone) {
    const Lines before = contents(prefs);
    const Lines originals = contents(original);
    restore("Cancel");
    driver->wait(1);
    EXPECT_EQ(contents(prefs), before);
    EXPECT_FALSE(presentedAlert());

    restore("Restore Original Files");
    EXPECT_EQ(screen->messageView()->alpha(), 1) << "the overlay shows until the closing step";
    driver->wait(1);
    EXPECT_EQ(contents(prefs), (Lines{"a.plist: original a.plist", "b.plist: original b.plist",
                                      "c.plist: original c.plist", "d.plist: own d"}));
    EXPECT_EQ(contents(original), originals);
    EXPECT_EQ(screen->messageView()->alpha(), 0);
    ASSERT_TRUE(presentedAlert());
    EXPECT_EQ(presentedAlert()->message(),
              "Successfully restore original files to Preferences folder and you will need to "
              "respring your device for the tweak settings to take effect.");
}

// The last entry succeeds after an earlier one failed: the error stays the last word.
TEST_F(RestoreOriginalFilesTest, AFailureBeforeTheLastEntryIsShownAndNoSuccessFollows) {
    const std::string first =
        prefs + foundation::FileManager::defaultManager().contentsOfDirectory(original)->front();
    failUnder(foundation::FaultKind::copy, first, EACCES);
    restore("Restore Original Files");
    ASSERT_TRUE(presentedAlert());
    EXPECT_EQ(presentedAlert()->alertTitle(), "Error");
    tapAndWait("Okay");
    driver->wait(1);
    EXPECT_EQ(screen->messageView()->alpha(), 0);
    EXPECT_FALSE(presentedAlert()) << "no success follows the error";
    EXPECT_FALSE(driver->isShowing("Successfully restore original files"));
}

// The originals are restored, then put back from the list, whose newest point is then the
// put back's own; a damaged point among them is listed and deleted.
TEST_F(RestoreOriginalFilesTest, APointIsPutBackFromTheListAndADamagedOneDeleted) {
    tapAndWait("Restore Points");
    EXPECT_TRUE(driver->isShowing("No restore points yet.\nEvery restore leaves one here."));
    tapAndWait("Done");
    restore("Restore Original Files");
    driver->wait(1);
    tapAndWait("Okay");
    root.write(std::string(RestorePoints::kFolder) + "/20000101-000000.000/Manifest.plist", "?");

    tapAndWait("Restore Points");
    EXPECT_TRUE(driver->isShowing("Damaged Restore Point"));
    EXPECT_TRUE(driver->isShowing("3 files"));
    tapAndWait("Original Files");
    tapAndWait("Put Back");
    EXPECT_EQ(root.read(prefs + "b.plist"), "changed b");
    EXPECT_EQ(testsupport::entries(root.host(prefs)), (Lines{"b.plist", "d.plist"}));
    EXPECT_TRUE(driver->isShowing("Undo Original Files"));
    tapAndWait("Okay");
    EXPECT_TRUE(driver->isShowing("Undo Original Files")) << "the put back left its own point";

    tapAndWait("Damaged Restore Point");
    EXPECT_FALSE(driver->isShowing("Put Back"));
    tapAndWait("Delete");
    EXPECT_FALSE(driver->isShowing("Damaged Restore Point"));
}

}  // namespace

}  // namespace kelvora
