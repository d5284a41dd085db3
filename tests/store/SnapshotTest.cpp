#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/foundation/FileManager.h"
#include "store/SetupManager.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ScreenHarness.h"

namespace kelvora {

namespace {

const std::optional<std::string> kPrefs = "com.zerovin.KelvoraPrefs";
constexpr std::string_view kPreferences = "/var/jb/vmo/Library/Preferences/";
constexpr std::string_view kOriginal = "/var/mobile/Kelvora/Original/";

class SnapshotTest : public testing::Test {
  protected:
    testsupport::DeviceRoot root;
    testsupport::LogCapture log;
    SetupManager& store = SetupManager::sharedInstance();

    void SetUp() override {
        root.makeFolder(kPreferences);
        store.checkIfKelvoraFolderExist();
        store.checkIfOriginalFolderExist();
    }
    void preference(const std::string& name, const std::string& contents = "<plist/>") const {
        root.write(std::string(kPreferences) + name, contents);
    }
    std::vector<std::string> sortedOriginalFiles() const {
        auto files = store.getPreferencesOriginalFiles();
        std::sort(files.begin(), files.end());
        return files;
    }
    std::vector<std::string> snapshotNames() const {
        return testsupport::entries(root.host(kOriginal));
    }
    bool flag() const { return store.boolForKey("didCopiedOriginalFiles", kPrefs); }
};

TEST_F(SnapshotTest, KeepsOnlyTweakPlistsByCaseSensitiveFragmentsAndExtension) {
    for (std::string name : {"com.apple.springboard.plist",
                             "com.example.tweak.plist",
                             "com.example.tweak.plist.bak",
                             "Global.plist",
                             ".GlobalPreferences.plist",
                             "com.Apple.x.plist",
                             "com.Google.x.PLIST",
                             "com.google.x.plist",
                             "com.applle.y.plist",
                             "mynfcdemo.plist",
                             "x.bookdatastored.plist",
                             "UITextInputContextIdentifiers.plist",
                             "com.firebase.a.plist",
                             "siriknowledged.plist",
                             "dprivacyd.plist",
                             "kNPProgressTrackerDomain.plist",
                             "a.Plist",
                             "a.plistx",
                             "plist",
                             "com.example.tweak.plist.plist",
                             "com.zerovin.KelvoraPrefs.plist",
                             "com.zerovin.KelvoraList.plist",
                             ".com.example.tweak.plist.kelvora-Ab12Cd"}) {
        preference(name);
    }
    EXPECT_EQ(
        sortedOriginalFiles(),
        (std::vector<std::string>{"a.Plist", "com.Apple.x.plist", "com.Google.x.PLIST",
                                  "com.example.tweak.plist", "com.example.tweak.plist.plist"}));
}

TEST_F(SnapshotTest, CopiesEachFileLogsItAndSetsTheFlag) {
    preference("com.apple.springboard.plist");
    preference("com.example.tweak.plist", "tweak");
    preference("com.example.tweak.plist.bak");
    EXPECT_FALSE(flag());

    store.copyOriginalFilesToKelvora();
    EXPECT_EQ(snapshotNames(), std::vector<std::string>{"com.example.tweak.plist"});
    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.tweak.plist"), "tweak");
    EXPECT_EQ(log.lines(), std::vector<std::string>{"successfully copy all of the original files "
                                                    "/var/mobile/Kelvora/Original/"
                                                    "com.example.tweak.plist"});
    EXPECT_TRUE(flag());
}

// A settings file that cannot be read makes the flag read NO, so the copy runs again at the next
// launch; it must then only add what Original lacks, never put today's values over an original.
TEST_F(SnapshotTest, ARunAfterTheFlagWasLostNeverReplacesAnOriginal) {
    root.write("/var/mobile/Kelvora/Original/com.example.a.plist", "original a");
    preference("com.example.a.plist", "today's a");
    preference("com.example.b.plist", "b");
    for (const char* settings : {"<?xml version=\"1.0\"?><plist><dict><key>did", "<array/>", ""}) {
        preference("com.zerovin.KelvoraPrefs.plist", settings);
        EXPECT_FALSE(flag());
        store.copyOriginalFilesToKelvora();
        EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.a.plist"), "original a");
        EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.b.plist"), "b");
        EXPECT_TRUE(flag());
    }
    EXPECT_EQ(log.count("successfully copy all of the original files "
                        "/var/mobile/Kelvora/Original/com.example.b.plist"),
              1u);
}

TEST_F(SnapshotTest, AFolderNamedLikeAPlistIsCopiedWithItsContents) {
    root.write(std::string(kPreferences) + "com.Apple.folder.PLIST/inner/file.txt", "inside");
    store.copyOriginalFilesToKelvora();
    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.Apple.folder.PLIST/inner/file.txt"),
              "inside");
    EXPECT_TRUE(flag());
}

TEST_F(SnapshotTest, NothingToCopyLeavesTheFlagUnsetAndLogsNothing) {
    store.copyOriginalFilesToKelvora();
    preference("com.apple.only.plist");
    store.copyOriginalFilesToKelvora();
    EXPECT_FALSE(flag());
    EXPECT_TRUE(log.lines().empty());
    EXPECT_TRUE(snapshotNames().empty());

    std::filesystem::remove_all(root.host(kPreferences));
    EXPECT_TRUE(store.getPreferencesOriginalFiles().empty());
    store.copyOriginalFilesToKelvora();
    EXPECT_FALSE(flag());
}

// A nearly full disk lets some copies through; the flag waits until every tweak file is in
// Original, so the next launch adds the missing ones.
TEST_F(SnapshotTest, ASnapshotThatDidNotFinishIsFinishedByTheNextRun) {
    preference("com.example.a.plist", "a");
    preference("com.example.b.plist", "b");
    foundation::FileManager::defaultManager().setFaultHook(
        [](foundation::FaultKind operation, std::string_view path) -> std::optional<int> {
            bool copyOfB = operation == foundation::FaultKind::write &&
                           path == "/var/mobile/Kelvora/Original/com.example.b.plist";
            return copyOfB ? std::optional<int>(ENOSPC) : std::nullopt;
        });
    store.copyOriginalFilesToKelvora();
    EXPECT_EQ(snapshotNames(), std::vector<std::string>{"com.example.a.plist"});
    EXPECT_EQ(log.count("failed copy all of the original files"), 1u);
    auto failed =
        std::find(log.lines().begin(), log.lines().end(), "failed copy all of the original files");
    ASSERT_NE(failed + 1, log.lines().end());
    EXPECT_NE(failed[1].find("/var/mobile/Kelvora/Original/com.example.b.plist"), std::string::npos)
        << "the reason names the file: " << failed[1];
    EXPECT_FALSE(flag());

    foundation::FileManager::defaultManager().setFaultHook({});
    preference("com.example.a.plist", "a changed since");
    store.copyOriginalFilesToKelvora();
    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.a.plist"), "a");
    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.b.plist"), "b");
    EXPECT_TRUE(flag());
}

TEST_F(SnapshotTest, LeftoversOfAKilledCopyAreRemovedFromEveryFolderItWrites) {
    const std::vector<std::string> folders{std::string(kPreferences), std::string(kOriginal),
                                           "/var/mobile/Kelvora/Setup/Work/"};
    for (const std::string& folder : folders) {
        root.write(folder + "a.plist", "kept");
        root.write(folder + ".a.plist.kelvora-x1Y2z3", "half");
        root.write(folder + ".b.plist.kelvora-Q9w8e7/.replaced", "half");
    }
    store.removeLeftovers();
    for (const std::string& folder : folders) {
        EXPECT_EQ(testsupport::entries(root.host(folder)), std::vector<std::string>{"a.plist"})
            << folder;
    }
}

TEST_F(SnapshotTest, WithoutTheOriginalFolderEveryCopyFailsAndTheFlagStaysUnset) {
    std::filesystem::remove_all(root.host(kOriginal));
    preference("com.example.tweak.plist");
    store.copyOriginalFilesToKelvora();
    EXPECT_EQ(log.count("failed copy all of the original files"), 1u);
    EXPECT_FALSE(flag());
}

}  // namespace

}  // namespace kelvora
