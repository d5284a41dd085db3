#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

#include "platform/foundation/FileManager.h"
#include "store/FileWalk.h"
#include "store/RestorePointPutBack.h"
#include "store/RestorePoints.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/LogCapture.h"

namespace kelvora {

namespace {

using Kind = RestorePointEntry::Kind;
constexpr const char* kSetup = "/var/mobile/Kelvora/Setup/Work/";
constexpr const char* kPrefs = "/var/jb/vmo/Library/Preferences/";

// Everything a restore may change of an entry: bytes, mode, owner and modification time.
using Entry = std::tuple<std::string, mode_t, uid_t, gid_t, std::int64_t>;
using State = std::map<std::string, Entry>;

// The Preferences folder holds a (owned by 1234:5678, mode 0640, an old date) and c; the
// Setup "Work" holds a new a and b, which the restore adds.
class RestorePointsTest : public testing::Test {
  protected:
    void SetUp() override {
        root.write(std::string(kSetup) + "a.plist", "new a");
        root.write(std::string(kSetup) + "b.plist", "new b");
        prefs("a.plist", "old a");
        prefs("c.plist", "own c");
        const auto a = root.host(std::string(kPrefs) + "a.plist");
        ASSERT_EQ(::chown(a.c_str(), 1234, 5678), 0);
        std::filesystem::permissions(a, std::filesystem::perms(0640));
        std::filesystem::last_write_time(a, std::filesystem::file_time_type(std::chrono::hours(1)));
    }
    void prefs(const std::string& name, const std::string& contents) const {
        root.write(kPrefs + name, contents);
    }
    State state(const std::string& folder = kPrefs) const {
        State entries;
        for (const auto& item : std::filesystem::directory_iterator(root.host(folder))) {
            struct stat info;
            ::lstat(item.path().c_str(), &info);
            entries[item.path().filename()] = {
                root.read(
                    foundation::appendingPathComponent(folder, item.path().filename().string())),
                info.st_mode, info.st_uid, info.st_gid,
                info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec};
        }
        return entries;
    }
    FileWalkSummary restore(const std::string& restored = "Setup Work") const {
        return FileWalk::restore(kSetup, kPrefs, {"a.plist", "b.plist"}, restored).run();
    }
    static void failFrom(std::size_t step, int error) {
        auto count = std::make_shared<std::size_t>(0);
        foundation::FileManager::defaultManager().setFaultHook(
            [=](foundation::FaultKind, std::string_view) -> std::optional<int> {
                return ++*count >= step ? std::optional(error) : std::nullopt;
            });
    }

    testsupport::DeviceRoot root;
    testsupport::LogCapture log;
};

TEST_F(RestorePointsTest, APointKeepsWhatARestoreReplacesAndRecordsWhatItAdds) {
    const State before = state();
    const FileWalkSummary summary = restore();
    ASSERT_TRUE(summary.failures.empty());
    const RestorePoint point = RestorePoint::read(summary.restorePoint);

    EXPECT_FALSE(point.damaged);
    EXPECT_EQ(point.restored, "Setup Work");
    EXPECT_EQ(point.entries,
              (std::vector<RestorePointEntry>{
                  {std::string(kPrefs) + "a.plist", Kind::replaced, ""},
                  {std::string(kPrefs) + "b.plist", Kind::added,
                   // printf 'new b' | sha256sum
                   "edb4e7dcf53a28bf272c6a678749c3d97e77f7d3f87bd23cb13004ad50fbef65"}}));
    EXPECT_EQ(state(point.filesFolder()), (State{{"a.plist", before.at("a.plist")}}));
    EXPECT_EQ(root.read(point.manifestPath()).rfind("<?xml", 0), 0u);
    EXPECT_EQ(root.read(std::string(kPrefs) + "a.plist"), "new a");
}

TEST_F(RestorePointsTest, PuttingAPointBackUndoesTheRestoreAndCanItselfBeUndone) {
    const State before = state();
    const FileWalkSummary restored = restore();
    const State after = state();

    const PutBackResult undo = RestorePointPutBack::run(RestorePoint::read(restored.restorePoint));
    EXPECT_TRUE(undo.succeeded());
    EXPECT_EQ(undo.putBack, 2u);
    EXPECT_EQ(state(), before);

    const RestorePoint undoPoint = RestorePoint::read(undo.point);
    EXPECT_EQ(undoPoint.restored, "Undo Setup Work");
    EXPECT_TRUE(RestorePointPutBack::run(undoPoint).succeeded());
    EXPECT_EQ(state(), after);
}

// A replaced entry deleted since comes back with the owner it had, not its folder's.
TEST_F(RestorePointsTest, AnAddedEntryChangedSinceIsKeptAndNamed) {
    const Entry a = state().at("a.plist");
    const FileWalkSummary restored = restore();
    prefs("b.plist", "b, edited since");
    std::filesystem::remove(root.host(std::string(kPrefs) + "a.plist"));
    const PutBackResult undo = RestorePointPutBack::run(RestorePoint::read(restored.restorePoint));

    EXPECT_FALSE(undo.succeeded());
    EXPECT_EQ(undo.putBack, 1u);
    ASSERT_EQ(undo.failures.size(), 1u);
    EXPECT_NE(undo.failures[0].find(std::string(kPrefs) + "b.plist"), std::string::npos);
    EXPECT_EQ(root.read(std::string(kPrefs) + "b.plist"), "b, edited since");
    EXPECT_EQ(state().at("a.plist"), a);
}

TEST_F(RestorePointsTest, TheEleventhPointDropsTheOldest) {
    for (int index = 1; index <= 11; ++index) {
        restore("Setup " + std::to_string(index));
    }
    std::vector<std::string> listed;
    for (const auto& point : RestorePoints::list()) {
        listed.push_back(point.restored);
    }
    EXPECT_EQ(listed,
              (std::vector<std::string>{"Setup 11", "Setup 10", "Setup 9", "Setup 8", "Setup 7",
                                        "Setup 6", "Setup 5", "Setup 4", "Setup 3", "Setup 2"}));
}

// A process killed at any file operation does nothing from then on: each run stops one step
// later. Either nothing was replaced yet, or the point undoes exactly what was.
TEST_F(RestorePointsTest, ACrashAtAnyStepLeavesAPointThatPutsEverythingBack) {
    std::size_t steps = 0;
    foundation::FileManager::defaultManager().setFaultHook(
        [&](foundation::FaultKind, std::string_view) -> std::optional<int> {
            ++steps;
            return std::nullopt;
        });
    restore();
    foundation::FileManager::defaultManager().setFaultHook({});
    ASSERT_GT(steps, 8u);
    for (std::size_t step = 1; step <= steps; ++step) {
        SCOPED_TRACE("killed at step " + std::to_string(step));
        std::filesystem::remove_all(root.host(RestorePoints::kFolder));
        std::filesystem::remove(root.host(std::string(kPrefs) + "b.plist"));
        root.write(std::string(kPrefs) + "a.plist", "old a");
        SetUp();
        const State before = state();
        failFrom(step, EIO);
        restore();
        foundation::FileManager::defaultManager().setFaultHook({});
        for (const auto& point : RestorePoints::list()) {
            if (!point.damaged) {
                EXPECT_TRUE(RestorePointPutBack::run(point).succeeded());
            }
        }
        EXPECT_EQ(state(), before);
    }
}

TEST_F(RestorePointsTest, AFullDiskWhileMakingThePointReplacesNothing) {
    const State before = state();
    for (auto kind : {foundation::FaultKind::createDirectory, foundation::FaultKind::link,
                      foundation::FaultKind::write}) {
        foundation::FileManager::defaultManager().setFaultHook(
            [kind](foundation::FaultKind fault, std::string_view path) -> std::optional<int> {
                bool inPoints = path.starts_with(RestorePoints::kFolder);
                return fault == kind && inPoints ? std::optional(ENOSPC) : std::nullopt;
            });
        const FileWalkSummary summary = restore();
        ASSERT_EQ(summary.failures.size(), 1u);
        EXPECT_NE(summary.failures[0].error.find("there isn’t enough space"), std::string::npos);
        EXPECT_EQ(state(), before);
        EXPECT_TRUE(RestorePoints::list().empty()) << "nothing of the point is left";
    }
}

// A manifest is edited to name what no restore wrote: each such entry is refused on its own,
// and what is outside the Preferences folder is never reached.
TEST_F(RestorePointsTest, HostileManifestEntriesAreRefusedOneByOne) {
    RestorePoint point = RestorePoint::read(restore().restorePoint);
    std::filesystem::create_symlink("/etc/hostname", root.host(point.filesFolder() + "/l.plist"));
    for (std::string path :
         {std::string("/etc/passwd"), std::string(kPrefs) + "../../../../../etc/passwd",
          std::string(kPrefs) + "l.plist", std::string(kPrefs) + "gone.plist",
          std::string(kPrefs) + "com.zerovin.KelvoraList.plist"}) {
        point.entries.push_back({path, Kind::replaced, ""});
    }
    ASSERT_TRUE(foundation::writeToFile(point.manifest(), point.manifestPath()));

    const PutBackResult undo = RestorePointPutBack::run(RestorePoint::read(point.folder));
    EXPECT_EQ(undo.putBack, 2u);
    ASSERT_EQ(undo.failures.size(), 5u);
    for (std::size_t index = 0; index < 5; ++index) {
        EXPECT_NE(undo.failures[index].find(point.entries[index + 2].path), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(root.host("/etc")));
    const State after = state();
    EXPECT_EQ(after.size(), 2u) << "b is removed, nothing is added";
    EXPECT_EQ(std::get<0>(after.at("a.plist")), "old a");
}

// A link in the points' folder is no point, even to a sound one, and deleting it leaves what
// it leads to alone.
TEST_F(RestorePointsTest, AMissingOrMalformedManifestOrALinkMakesADamagedPoint) {
    const std::string folder = restore().restorePoint;
    const std::string link = std::string(RestorePoints::kFolder) + "/0";
    std::filesystem::create_directory_symlink(root.host(folder), root.host(link));
    auto listed = RestorePoints::list();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(std::pair(listed[0].damaged, listed[1].damaged), std::pair(false, true));
    EXPECT_FALSE(RestorePointPutBack::run(listed[1]).succeeded());
    EXPECT_TRUE(RestorePoints::remove(listed[1]));
    EXPECT_TRUE(std::filesystem::exists(root.host(folder + "/Manifest.plist")));

    for (const char* manifest : {"", "<plist><dict><key>date</key>"}) {
        root.write(folder + "/Manifest.plist", manifest);
        if (*manifest == '\0') {
            std::filesystem::remove(root.host(folder + "/Manifest.plist"));
        }
        listed = RestorePoints::list();
        ASSERT_EQ(listed.size(), 1u);
        EXPECT_TRUE(listed[0].damaged);
        EXPECT_FALSE(RestorePointPutBack::run(listed[0]).succeeded());
    }
    EXPECT_TRUE(RestorePoints::remove(listed[0]));
    EXPECT_TRUE(RestorePoints::list().empty());
}

}  // namespace

}  // namespace kelvora
