#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/KeyDiffViewController.h"
#include "platform/foundation/PropertyList.h"
#include "tests/files/FileScreenFixture.h"

namespace kelvora {

namespace {

using Names = std::vector<std::string>;

class RestoreSafetyNetTest : public FileScreenFixture {
  protected:
    void plist(std::string_view folder, std::string_view name, bool enabled) const {
        ASSERT_TRUE(foundation::writeToFile({{"enabled", enabled}},
                                            std::string(folder) + std::string(name)));
    }
    std::shared_ptr<kit::ViewController> top() const { return navigation->topViewController(); }
};

// From the restore confirmation to the review, into one file's keys and back, then the restore.
TEST_F(RestoreSafetyNetTest, TheReviewShowsEachGroupAndAFilesKeysAndCanStartTheRestore) {
    plist(kPrefs, "edited.plist", true);
    plist(kSetup, "edited.plist", false);
    setupFile("new.plist", "new");
    setupFile("same.plist", "same");
    pref("same.plist", "same");
    openExplorer();
    tapAndWait("Restore");
    tapAndWait("Review Changes");
    for (const char* heading : {"Will Change (1)", "Will Be Added (1)", "Already the Same (1)"}) {
        EXPECT_TRUE(driver->isShowing(heading)) << heading;
    }
    tapAndWait("new.plist");
    EXPECT_TRUE(driver->isShowing("Will Be Added (1)")) << "an added file opens nothing";

    tapAndWait("edited.plist");
    ASSERT_TRUE(std::dynamic_pointer_cast<KeyDiffViewController>(top()));
    EXPECT_TRUE(driver->isShowing("Changed (1)"));
    EXPECT_TRUE(driver->isShowing("true \u2192 false"));
    tapAndWait("Back");
    tapAndWait("Restore");

    EXPECT_EQ(top(), explorer);
    EXPECT_EQ(readPref("new.plist"), "new");
    EXPECT_EQ(foundation::dictionaryWithContentsOfFile(std::string(kPrefs) + "edited.plist"),
              (foundation::PlistDictionary{{"enabled", false}}));
    EXPECT_TRUE(driver->isShowing("Successfully restore 3 files to Preferences folder"));
}

TEST_F(RestoreSafetyNetTest, UndoInTheSuccessMessagePutsTheFormerFilesBack) {
    setupFile("a.plist", "mine a");
    setupFile("b.plist", "mine b");
    pref("a.plist", "theirs a");
    openExplorer();
    tapAndWait("Restore");
    tapAndWait("Restore Work Bench Setup");
    EXPECT_EQ(readPref("a.plist"), "mine a");
    tapAndWait("Undo");

    EXPECT_EQ(entries(kPrefs), Names{"a.plist"});
    EXPECT_EQ(readPref("a.plist"), "theirs a");
    EXPECT_TRUE(driver->isShowing("Undo Setup Work Bench"));
    EXPECT_TRUE(driver->isShowing(
        "Put back 2 files as they were before the restore of Setup Work Bench. You will need to "
        "respring your device for the tweak settings to take effect."));
}

}  // namespace

}  // namespace kelvora
