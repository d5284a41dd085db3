#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "platform/foundation/FileManager.h"
#include "platform/kit/AlertController.h"
#include "tests/settings/SettingsScreenFixture.h"

namespace kelvora {

namespace {

constexpr std::string_view kOriginal = "/var/mobile/Kelvora/Original/";
constexpr std::string_view kPrefs = "/var/jb/vmo/Library/Preferences/";
constexpr std::string_view kSuccess =
    "Successfully restore original files to Preferences folder and you will need to respring "
    "your device for the tweak settings to take effect.";

std::string path(std::string_view folder, std::string_view name) {
    return std::string(folder) + std::string(name);
}

// Originals A, B and C; the Preferences folder holds a changed B and a file of its own, D.
class RestoreOriginalFilesTest : public SettingsScreenFixture {
  protected:
    void SetUp() override {
        SettingsScreenFixture::SetUp();
        for (const char* name : {"a.plist", "b.plist", "c.plist"}) {
            root.write(path(kOriginal, name), std::string("original ") + name);
        }
        root.write(path(kPrefs, "b.plist"), "changed b");
        root.write(path(kPrefs, "d.plist"), "own d");
        writeResource({header("Original Files"),
                       entry("ZerovinPrefsButtonCell",
                             {{"Title", "Restore Original Files"},
                              {"Action", "presentRestoreOriginalFilesConfirmation"}})});
        showScreen();
    }
    void TearDown() override {
        foundation::FileManager::defaultManager().setFaultHook({});
        SettingsScreenFixture::TearDown();
    }

    // Taps the row and answers the confirmation with `answer`.
    void restore(std::string_view answer) {
        ASSERT_TRUE(driver->tap("Restore Original Files").ok());
        auto alert = presentedAlert();
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->alertTitle(), "Kelvora");
        EXPECT_EQ(alert->message(),
                  "Are you sure you want to restore original preferences files that was back up "
                  "when you first installed Kelvora?");
        // The row's title and the alert's action share a text; the alert is in front.
        ASSERT_TRUE(driver->tap(answer).ok());
    }
    std::shared_ptr<kit::AlertController> presentedAlert() const {
        return std::dynamic_pointer_cast<kit::AlertController>(screen->presentedViewController());
    }
    void closeAlert() {
        ASSERT_TRUE(driver->tap("Okay").ok());
        driver->wait(1);
    }
    std::map<std::string, std::string> folder(std::string_view devicePath) const {
        std::map<std::string, std::string> files;
        for (const auto& item : std::filesystem::directory_iterator(root.host(devicePath))) {
            std::ifstream in(item.path(), std::ios::binary);
            files[item.path().filename().string()] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
        return files;
    }
    const std::map<std::string, std::string> restored{{"a.plist", "original a.plist"},
                                                      {"b.plist", "original b.plist"},
                                                      {"c.plist", "original c.plist"},
                                                      {"d.plist", "own d"}};
};

TEST_F(RestoreOriginalFilesTest, PutsEveryOriginalBackAndLeavesOtherFilesAlone) {
    const auto originals = folder(kOriginal);
    restore("Restore Original Files");
    EXPECT_EQ(folder(kPrefs), restored);
    EXPECT_EQ(folder(kOriginal), originals);
    for (const char* name : {"a.plist", "b.plist", "c.plist"}) {
        EXPECT_EQ(log.count("successfully copy all files " + path(kPrefs, name)), 1u) << name;
    }
    EXPECT_EQ(log.count("yay saved the fucking last file"), 1u);
    EXPECT_EQ(screen->messageView()->alpha(), 1);
    EXPECT_EQ(screen->messageView()->messageLabel()->text().rfind("Copying /var/jb/", 0), 0u);
    EXPECT_FALSE(presentedAlert());

    driver->wait(0.2);
    EXPECT_EQ(screen->messageView()->alpha(), 0);
    auto alert = presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->alertTitle(), "Kelvora");
    EXPECT_EQ(alert->message(), kSuccess);
}

TEST_F(RestoreOriginalFilesTest, TwiceInARowIsTheSameAsOnceAndKeepsTheReplacedFilesMode) {
    std::filesystem::permissions(
        root.host(path(kPrefs, "b.plist")),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    restore("Restore Original Files");
    driver->wait(0.2);
    closeAlert();
    restore("Restore Original Files");
    driver->wait(0.2);
    EXPECT_EQ(folder(kPrefs), restored);
    ASSERT_TRUE(presentedAlert());
    EXPECT_EQ(presentedAlert()->message(), kSuccess);
    EXPECT_EQ(std::filesystem::status(root.host(path(kPrefs, "b.plist"))).permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(RestoreOriginalFilesTest, CancelChangesNothing) {
    const auto before = folder(kPrefs);
    restore("Cancel");
    driver->wait(1);
    EXPECT_EQ(folder(kPrefs), before);
    EXPECT_FALSE(presentedAlert());
    EXPECT_EQ(screen->messageView()->alpha(), 0);
}

TEST_F(RestoreOriginalFilesTest, AFailedLastCopyKeepsTheOldFileAndClaimsNoSuccess) {
    const auto names =
        foundation::FileManager::defaultManager().contentsOfDirectory(kOriginal).value();
    const std::string last = path(kPrefs, names.back());
    root.write(last, "old last");
    foundation::FileManager::defaultManager().setFaultHook(
        [last](foundation::FaultKind operation, std::string_view device) -> std::optional<int> {
            // A full disk: removing still works, writing the new copy does not.
            bool writes = operation != foundation::FaultKind::remove;
            return writes && device == last ? std::optional<int>(ENOSPC) : std::nullopt;
        });
    restore("Restore Original Files");
    EXPECT_EQ(root.read(last), "old last");
    EXPECT_EQ(log.count("failed copy all files"), 1u);
    EXPECT_EQ(log.count("yay saved the fucking last file"), 0u);
    EXPECT_EQ(screen->messageView()->alpha(), 0);
    ASSERT_TRUE(presentedAlert());
    EXPECT_EQ(presentedAlert()->alertTitle(), "Error");
    EXPECT_FALSE(presentedAlert()->message().empty());
    closeAlert();
    driver->wait(1);
    EXPECT_FALSE(presentedAlert());
    // Nothing but the targets themselves is left in the folder: no half-copied temporary.
    EXPECT_EQ(folder(kPrefs).size(), 4u);
}

TEST_F(RestoreOriginalFilesTest, AFailureBeforeTheLastEntryHidesTheOverlayWithoutClaimingSuccess) {
    const auto names =
        foundation::FileManager::defaultManager().contentsOfDirectory(kOriginal).value();
    const std::string first = path(kPrefs, names.front());
    foundation::FileManager::defaultManager().setFaultHook(
        [first](foundation::FaultKind, std::string_view device) -> std::optional<int> {
            return device == first ? std::optional<int>(EACCES) : std::nullopt;
        });
    restore("Restore Original Files");
    ASSERT_TRUE(presentedAlert());
    EXPECT_EQ(presentedAlert()->alertTitle(), "Error");
    EXPECT_EQ(log.count("yay saved the fucking last file"), 1u);
    closeAlert();
    EXPECT_EQ(screen->messageView()->alpha(), 0);
    EXPECT_FALSE(driver->isShowing("Successfully restore original files"));
}

TEST_F(RestoreOriginalFilesTest, AnEmptyOriginalFolderCopiesNothingAndSaysNothing) {
    for (const char* name : {"a.plist", "b.plist", "c.plist"}) {
        std::filesystem::remove(root.host(path(kOriginal, name)));
    }
    const auto before = folder(kPrefs);
    restore("Restore Original Files");
    driver->wait(1);
    EXPECT_EQ(folder(kPrefs), before);
    EXPECT_FALSE(presentedAlert());
    EXPECT_EQ(screen->messageView()->alpha(), 0);
}

}  // namespace

}  // namespace kelvora
