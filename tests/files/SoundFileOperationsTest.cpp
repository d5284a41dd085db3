#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/files/FileScreenFixture.h"

namespace kelvora {

namespace {

using Lines = std::vector<std::string>;

class SoundFileOperationsTest : public FileScreenFixture {
  protected:
    void restore() {
        tapAndWait("Restore");
        tap("Restore Work Bench Setup");
    }
    unsigned modeOf(std::string_view devicePath) const {
        struct stat info {};
        EXPECT_EQ(::stat(root.host(devicePath).c_str(), &info), 0);
        return info.st_mode & 07777;
    }
};

TEST_F(SoundFileOperationsTest, ARestoreThatFailsOnAFullDiskKeepsThePreferencesFile) {
    setupFile("a.plist", "mine");
    pref("a.plist", "theirs");
    openExplorer();
    failUnder(foundation::FaultKind::write, std::string(kPrefs), ENOSPC);
    restore();

    EXPECT_TRUE(driver->isShowing("Error"));
    EXPECT_EQ(readPref("a.plist"), "theirs");
    EXPECT_EQ(entries(kPrefs), Lines{"a.plist"}) << "no temporary file is left";
}

TEST_F(SoundFileOperationsTest, ARestoreKeepsTheModeOfTheFileItReplaces) {
    setupFile("a.plist", "mine");
    setupFile("b.plist", "new here");
    pref("a.plist", "theirs");
    std::filesystem::permissions(root.host(std::string(kPrefs) + "a.plist"),
                                 std::filesystem::perms(0600));
    std::filesystem::permissions(root.host(std::string(kSetup) + "a.plist"),
                                 std::filesystem::perms(0644));
    openExplorer();
    restore();
    driver->wait(1);

    EXPECT_EQ(readPref("a.plist"), "mine");
    EXPECT_EQ(modeOf(std::string(kPrefs) + "a.plist"), 0600u);
    EXPECT_EQ(readPref("b.plist"), "new here");
}

TEST_F(SoundFileOperationsTest, ARestoreWithAFailureNeverClaimsSuccess) {
    setupFile("a.plist");
    setupFile("b.plist");
    openExplorer();
    failUnder(foundation::FaultKind::copy, std::string(kPrefs) + "a.plist", EACCES);
    restore();
    EXPECT_TRUE(driver->isShowing("Error"));
    tap("Okay");
    driver->wait(1);

    EXPECT_EQ(readPref("b.plist"), "<plist/>") << "the walk went on after the failure";
    EXPECT_FALSE(driver->isShowing("Successfully restore"));
    EXPECT_FALSE(driver->isShowing("Copying")) << "the closing step still hid the overlay";
}

TEST_F(SoundFileOperationsTest, ADeleteWhoseLastFileWasAlreadyGoneStillReloads) {
    setupFile("a.plist");
    setupFile("b.plist");
    setupFile("c.plist");
    openExplorer();
    tapAndWait("Edit");
    tap("a.plist");
    tap("b.plist");
    std::filesystem::remove(root.host(std::string(kSetup) + "b.plist"));
    tapAndWait("Delete");
    tapAndWait("Delete");

    EXPECT_EQ(entries(kSetup), Lines{"c.plist"});
    EXPECT_EQ(refreshes.size(), 1u);
    EXPECT_FALSE(explorer->isInEditingMode());
    EXPECT_FALSE(driver->isShowing("a.plist")) << "the list shows what is on disk";
}

TEST_F(SoundFileOperationsTest, ADeleteWhoseLastRemovalFailsStillShowsWhatWasRemoved) {
    setupFile("a.plist");
    setupFile("b.plist");
    openExplorer();
    tapAndWait("Edit");
    tap("a.plist");
    tap("b.plist");
    failUnder(foundation::FaultKind::remove, std::string(kSetup) + "b.plist", EACCES);
    tapAndWait("Delete");
    tap("Delete");
    EXPECT_TRUE(driver->isShowing("Error"));
    EXPECT_EQ(log.count("failed delete all files"), 1u);
    tap("Okay");
    driver->wait(1);

    EXPECT_EQ(entries(kSetup), Lines{"b.plist"});
    EXPECT_EQ(refreshes.size(), 1u);
    ASSERT_EQ(explorer->setupArray().size(), 1u);
    EXPECT_EQ(explorer->setupArray()[0].plistName, "b.plist");
}

TEST_F(SoundFileOperationsTest, ARestoreFromALinkToThePreferencesFileNeverRemovesIt) {
    pref("a.plist", "the only copy");
    std::filesystem::create_symlink(std::string(kPrefs) + "a.plist",
                                    root.host(std::string(kSetup) + "a.plist"));
    openExplorer();
    restore();

    EXPECT_TRUE(driver->isShowing("Error"));
    EXPECT_EQ(readPref("a.plist"), "the only copy");
    EXPECT_FALSE(std::filesystem::is_symlink(root.host(std::string(kPrefs) + "a.plist")));
}

}  // namespace

}  // namespace kelvora
