#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"
#include "tests/support/DeviceRoot.h"

// Writes and replacing copies either complete or leave the old item exactly as it was, with
// no temporary left behind, whatever step fails; a replacing copy fails as one item of a batch
// does (ReplacementBatchTest).
using namespace foundation;

namespace {

FileManager& files = FileManager::defaultManager();

std::vector<std::string> names(std::string_view folder) {
    auto list = files.contentsOfDirectory(folder).value_or(std::vector<std::string>{});
    std::sort(list.begin(), list.end());
    return list;
}

foundation::FaultHook failing(FaultKind failed, int error) {
    return [=](FaultKind operation, std::string_view) -> std::optional<int> {
        return operation == failed ? std::optional(error) : std::nullopt;
    };
}

struct stat statOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

const PlistDictionary oldSettings{{"setupSortType", "Setup Z-A"}, {"count", 3}};

TEST(AtomicReplacementTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    testsupport::DeviceRoot root;
    root.makeFolder("/prefs");
    ASSERT_TRUE(writeToFile(oldSettings, "/prefs/a.plist"));
    for (auto [operation, error] :
         {std::pair{FaultKind::write, ENOSPC}, std::pair{FaultKind::rename, EACCES}}) {
        files.setFaultHook(failing(operation, error));
        auto result = writeToFile({{"blob", PlistData(300000, 7)}}, "/prefs/a.plist");
        ASSERT_FALSE(result);
        EXPECT_NE(result.error().description.find("“/prefs/a.plist” couldn’t be saved"),
                  std::string::npos);
        EXPECT_EQ(dictionaryWithContentsOfFile("/prefs/a.plist"), oldSettings);
        EXPECT_EQ(names("/prefs"), std::vector<std::string>{"a.plist"});
    }
}

// The child dies at the moment between the flushed write and the rename; the parent then
// finds the old file whole. What a crash leaves is a hidden temporary that no listing by
// extension picks up.
TEST(AtomicReplacementTest, ProcessKilledBeforeTheRenameLeavesTheOldFileReadable) {
    testsupport::DeviceRoot root;
    root.makeFolder("/prefs");
    ASSERT_TRUE(writeToFile(oldSettings, "/prefs/a.plist"));
    for (auto dieAt : {FaultKind::write, FaultKind::rename}) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            files.setFaultHook([=](FaultKind operation, std::string_view) {
                if (operation == dieAt) {
                    ::_exit(0);
                }
                return std::optional<int>();
            });
            (void)writeToFile({{"blob", PlistData(300000, 9)}}, "/prefs/a.plist");
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "no stop at the fault";
        EXPECT_EQ(dictionaryWithContentsOfFile("/prefs/a.plist"), oldSettings);
        auto left = names("/prefs");
        ASSERT_EQ(left.size(), 2u) << "the crash leaves its temporary";
        EXPECT_TRUE(left[0].starts_with(".a.plist.kelvora-")) << left[0];
        EXPECT_NE(pathExtension(left[0]), "plist") << left[0];
        ASSERT_TRUE(files.removeItem(appendingPathComponent("/prefs", left[0])));
    }
}

// A rewrite or a replacing copy keeps the target's mode and owner; a new file gets the
// usual mode and its folder's owner.
TEST(AtomicReplacementTest, ReplacingKeepsTheTargetsModeAndOwnerAndANewFileTakesTheFolders) {
    testsupport::DeviceRoot root;
    root.write("/Setup/com.a.plist", "from the setup");
    root.write("/prefs/com.a.plist", "current");
    ASSERT_TRUE(writeToFile(oldSettings, "/prefs/a.plist"));
    bool superuser = ::geteuid() == 0;
    for (auto [path, mode, owner] : {std::tuple{"/prefs/a.plist", 0600, 501},
                                     {"/prefs/com.a.plist", 0640, 501},
                                     {"/prefs", 0755, 601}}) {
        ASSERT_EQ(::chmod(root.host(path).c_str(), mode), 0);
        ASSERT_TRUE(!superuser || ::chown(root.host(path).c_str(), owner, owner + 1) == 0);
    }
    ASSERT_TRUE(writeToFile({{"x", 1}}, "/prefs/a.plist"));
    ASSERT_TRUE(writeToFile({{"y", 2}}, "/prefs/new.plist"));
    ASSERT_TRUE(files.copyItemReplacing("/Setup/com.a.plist", "/prefs/com.a.plist"));
    ASSERT_TRUE(files.copyItemReplacing("/Setup/com.a.plist", "/prefs/com.b.plist"));
    EXPECT_EQ(root.read("/prefs/com.b.plist"), "from the setup");
    EXPECT_EQ(names("/prefs"),
              (std::vector<std::string>{"a.plist", "com.a.plist", "com.b.plist", "new.plist"}));
    const std::pair<const char*, unsigned> modes[] = {
        {"/prefs/a.plist", 0600}, {"/prefs/com.a.plist", 0640}, {"/prefs/new.plist", 0644}};
    for (const auto& [path, mode] : modes) {
        EXPECT_EQ(statOf(root.host(path)).st_mode & 07777, mode) << path;
    }
    if (!superuser) {
        GTEST_SKIP() << "owners can only be checked as the superuser";
    }
    for (auto [path, owner] : {std::pair{"/prefs/a.plist", 501u},
                               {"/prefs/com.a.plist", 501u},
                               {"/prefs/new.plist", 601u},
                               {"/prefs/com.b.plist", 601u}}) {
        struct stat info = statOf(root.host(path));
        EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(owner, owner + 1)) << path;
    }
}

// Two links to one file are two entries: a link replaces a link, and a file replaces a link
// that leads to it, leaving the file as it was. A folder replaces or is replaced whole.
TEST(AtomicReplacementTest, ALinkIsAnItemOfItsOwnAndFoldersSwapWhole) {
    testsupport::DeviceRoot root;
    root.write("/shared/one.plist", "shared");
    root.makeFolder("/Setup");
    root.makeFolder("/prefs");
    for (const char* link : {"/Setup/com.a.plist", "/prefs/com.a.plist"}) {
        ASSERT_EQ(::symlink("../shared/one.plist", root.host(link).c_str()), 0);
    }
    ASSERT_TRUE(files.copyItemReplacing("/Setup/com.a.plist", "/prefs/com.a.plist"));
    EXPECT_TRUE(S_ISLNK(statOf(root.host("/prefs/com.a.plist")).st_mode));
    ASSERT_TRUE(files.copyItemReplacing("/shared/one.plist", "/prefs/com.a.plist"));
    EXPECT_TRUE(S_ISREG(statOf(root.host("/prefs/com.a.plist")).st_mode));
    EXPECT_EQ(root.read("/prefs/com.a.plist"), "shared");
    EXPECT_EQ(root.read("/shared/one.plist"), "shared");

    root.write("/new/a.plist", "new a");
    root.write("/new/sub/b.plist", "new b");
    root.write("/target/old.plist", "old");
    root.write("/file.plist", "file");
    ASSERT_TRUE(files.copyItemReplacing("/new", "/target"));
    EXPECT_EQ(names("/target"), (std::vector<std::string>{"a.plist", "sub"}));
    EXPECT_EQ(root.read("/target/sub/b.plist"), "new b");
    ASSERT_TRUE(files.copyItemReplacing("/file.plist", "/target"));
    EXPECT_EQ(root.read("/target"), "file");
    ASSERT_TRUE(files.copyItemReplacing("/new", "/file.plist"));
    EXPECT_EQ(root.read("/file.plist/a.plist"), "new a");
    EXPECT_EQ(names("/"), (std::vector<std::string>{"Setup", "file.plist", "new", "prefs", "shared",
                                                    "target"}));
    EXPECT_FALSE(files.copyItemReplacing("/new", "/new/sub"));
    EXPECT_EQ(root.read("/new/sub/b.plist"), "new b");
}

}  // namespace
