#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/foundation/FileManager.h"
#include "store/SetupManager.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/LogCapture.h"

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
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(root.host(kOriginal))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
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
                             "com.example.tweak.plist.plist"}) {
        preference(name);
    }
    EXPECT_EQ(
        sortedOriginalFiles(),
        (std::vector<std::string>{"a.Plist", "com.Apple.x.plist", "com.Google.x.PLIST",
                                  "com.example.tweak.plist", "com.example.tweak.plist.plist"}));
}

TEST_F(SnapshotTest, CopiesEachFileLogsItSetsTheFlagAndASecondRunReplacesTheCopies) {
    preference("com.apple.springboard.plist");
    preference("com.example.tweak.plist", "tweak");
    preference("com.example.tweak.plist.bak");
    preference("Global.plist");
    EXPECT_FALSE(flag());

    store.copyOriginalFilesToKelvora();
    EXPECT_EQ(snapshotNames(), std::vector<std::string>{"com.example.tweak.plist"});
    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.tweak.plist"), "tweak");
    EXPECT_EQ(log.lines(), std::vector<std::string>{"successfully copy all of the original files "
                                                    "/var/mobile/Kelvora/Original/"
                                                    "com.example.tweak.plist"});
    EXPECT_TRUE(flag());

    // A second run replaces what the first copied.
    preference("com.example.tweak.plist", "second");
    store.copyOriginalFilesToKelvora();
    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.tweak.plist"), "second");
    EXPECT_EQ(log.count("successfully copy all of the original files "
                        "/var/mobile/Kelvora/Original/com.example.tweak.plist"),
              2u);
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

TEST_F(SnapshotTest, AFailedCopyIsLoggedKeepsTheEarlierCopyAndOtherFilesStillCount) {
    preference("com.example.a.plist", "new a");
    preference("com.example.b.plist", "b");
    root.write("/var/mobile/Kelvora/Original/com.example.a.plist", "old a");
    foundation::FileManager::defaultManager().setFaultHook(
        [](foundation::FaultKind operation, std::string_view path) -> std::optional<int> {
            bool copyOfA = operation != foundation::FaultKind::remove &&
                           path.find("com.example.a.plist") != std::string_view::npos &&
                           path.find("Original") != std::string_view::npos;
            return copyOfA ? std::optional<int>(ENOSPC) : std::nullopt;
        });
    store.copyOriginalFilesToKelvora();

    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.a.plist"), "old a");
    EXPECT_EQ(root.read("/var/mobile/Kelvora/Original/com.example.b.plist"), "b");
    EXPECT_EQ(log.count("failed copy all of the original files"), 1u);
    EXPECT_EQ(log.count("successfully copy all of the original files "
                        "/var/mobile/Kelvora/Original/com.example.b.plist"),
              1u);
    EXPECT_EQ(log.lines().size(), 2u);
    EXPECT_TRUE(flag());
    EXPECT_EQ(snapshotNames(),
              (std::vector<std::string>{"com.example.a.plist", "com.example.b.plist"}));
}

TEST_F(SnapshotTest, WithoutTheOriginalFolderEveryCopyFailsAndTheFlagStaysUnset) {
    std::filesystem::remove_all(root.host(kOriginal));
    preference("com.example.tweak.plist");
    store.copyOriginalFilesToKelvora();
    EXPECT_EQ(log.lines(), std::vector<std::string>{"failed copy all of the original files"});
    EXPECT_FALSE(flag());
}

}  // namespace

namespace {

TEST_F(SnapshotTest, TheFlagIsWrittenOnceItHoldsAndRetriedAfterAFailedWrite) {
    for (int i = 0; i < 5; ++i) {
        preference("com.example.t" + std::to_string(i) + ".plist");
    }
    const std::string settings = std::string(kPreferences) + "com.zerovin.KelvoraPrefs.plist";
    int settingsWrites = 0;
    foundation::FileManager::defaultManager().setFaultHook(
        [&](foundation::FaultKind operation, std::string_view path) -> std::optional<int> {
            if (operation != foundation::FaultKind::write || path != settings) {
                return std::nullopt;
            }
            // The first write of the flag meets a full disk.
            return ++settingsWrites == 1 ? std::optional<int>(ENOSPC) : std::nullopt;
        });
    store.copyOriginalFilesToKelvora();
    EXPECT_TRUE(flag());
    EXPECT_EQ(settingsWrites, 2) << "one failed write, one that held, none after";
    EXPECT_EQ(snapshotNames().size(), 5u);
}

}  // namespace

}  // namespace kelvora
