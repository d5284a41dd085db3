#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"
#include "tests/support/DeviceRoot.h"

// A batch of replacing copies keeps every guarantee of a single replacing copy, item by item,
// while waiting for the disk once.
using namespace foundation;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

FileManager& files = FileManager::defaultManager();

std::vector<std::string> names(std::string_view folder) {
    auto list = files.contentsOfDirectory(folder).value_or(std::vector<std::string>{});
    std::sort(list.begin(), list.end());
    return list;
}

std::vector<bool> succeeded(const std::vector<Result<void>>& results) {
    std::vector<bool> flags;
    for (const auto& result : results) {
        flags.push_back(result.ok());
    }
    return flags;
}

const Pairs threeSettings{{"/Setup/a.plist", "/prefs/a.plist"},
                          {"/Setup/b.plist", "/prefs/b.plist"},
                          {"/Setup/c.plist", "/prefs/c.plist"}};

TEST(ReplacementBatchTest, AFailedItemKeepsItsOldTargetWhileTheOthersLand) {
    testsupport::DeviceRoot root;
    for (const auto& [from, to] : threeSettings) {
        root.write(from, "new " + lastPathComponent(from) + std::string(300000, 'n'));
    }
    for (auto failed : {FaultKind::copy, FaultKind::write, FaultKind::rename}) {
        files.setFaultHook([=](FaultKind operation, std::string_view path) {
            return operation == failed && path == "/prefs/b.plist" ? std::optional(ENOSPC)
                                                                   : std::nullopt;
        });
        for (const auto& [from, to] : threeSettings) {
            root.write(to, "old " + lastPathComponent(to));
        }
        auto results = files.copyItemsReplacing(threeSettings);
        ASSERT_EQ(succeeded(results), (std::vector<bool>{true, false, true}));
        EXPECT_EQ(root.read("/prefs/a.plist"), root.read("/Setup/a.plist"));
        EXPECT_EQ(root.read("/prefs/b.plist"), "old b.plist");
        EXPECT_EQ(root.read("/prefs/c.plist"), root.read("/Setup/c.plist"));
        EXPECT_EQ(names("/prefs"), (std::vector<std::string>{"a.plist", "b.plist", "c.plist"}));
    }
}

// The same item, a link or a hard link to it, a missing source or target folder, a folder into
// itself and a NUL in a path are each refused alone; later items win in order.
TEST(ReplacementBatchTest, RefusedItemsTouchNothingAndTheRestStillLand) {
    testsupport::DeviceRoot root;
    struct stat info {};
    root.write("/prefs/precious.plist", "precious");
    root.write("/Setup/good.plist", "good");
    root.write("/prefs/good.plist", "old");
    root.write("/tree/sub/x.plist", "x");
    ASSERT_EQ(::symlink("/prefs/precious.plist", root.host("/prefs/alias.plist").c_str()), 0);
    ASSERT_EQ(::link(root.host("/prefs/precious.plist").c_str(), root.host("/hard").c_str()), 0);
    auto results = files.copyItemsReplacing({{"/prefs/precious.plist", "/prefs/precious.plist"},
                                             {"/prefs/alias.plist", "/prefs/precious.plist"},
                                             {"/hard", "/prefs/precious.plist"},
                                             {"/Setup/missing.plist", "/prefs/precious.plist"},
                                             {"/tree", "/tree/sub"},
                                             {std::string("/Setup/good\0x", 13), "/prefs/n"},
                                             {"/Setup/good.plist", "/other/good.plist"},
                                             {"/tree/sub/x.plist", "/prefs/good.plist"},
                                             {"/Setup/good.plist", "/prefs/good.plist"}});
    EXPECT_EQ(succeeded(results),
              (std::vector<bool>{false, false, false, false, false, false, false, true, true}));
    EXPECT_EQ(root.read("/prefs/precious.plist"), "precious");
    EXPECT_TRUE(
        S_ISLNK(::lstat(root.host("/prefs/alias.plist").c_str(), &info) == 0 ? info.st_mode : 0));
    EXPECT_EQ(root.read("/prefs/good.plist"), "good");
    EXPECT_EQ(root.read("/tree/sub/x.plist"), "x");
    EXPECT_EQ(names("/prefs"),
              (std::vector<std::string>{"alias.plist", "good.plist", "precious.plist"}));
    EXPECT_EQ(names("/tree"), std::vector<std::string>{"sub"});
    EXPECT_TRUE(files.copyItemsReplacing({}).empty());
}

// Desktops commonly allow a process 1,024 open files; a Setup may hold more than that, and
// staging must not keep one open per item.
TEST(ReplacementBatchTest, ABatchLargerThanTheOpenFileLimitLandsWhole) {
    testsupport::DeviceRoot root;
    constexpr int count = 150;
    Pairs pairs;
    for (int i = 0; i < count; ++i) {
        std::string name = "/tweak" + std::to_string(i) + ".plist";
        root.write("/Setup" + name, "new " + name);
        root.write("/prefs" + name, "old");
        pairs.emplace_back("/Setup" + name, "/prefs" + name);
    }
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit low{64, saved.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    auto results = files.copyItemsReplacing(pairs);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
    EXPECT_EQ(succeeded(results), std::vector<bool>(count, true));
    EXPECT_EQ(root.read("/prefs/tweak149.plist"), "new /tweak149.plist");
    EXPECT_EQ(names("/prefs").size(), static_cast<std::size_t>(count));
}

// The child stages the whole batch, waits for it to be written and dies at its n-th rename; the
// parent then finds each target whole: the items renamed before the kill new, the rest old.
TEST(ReplacementBatchTest, ProcessKilledBetweenStagingAndRenamingLeavesWholeTargets) {
    testsupport::DeviceRoot root;
    const PlistDictionary oldSettings{{"state", "old"}};
    const PlistDictionary newSettings{{"state", "new"}, {"blob", PlistData(200000, 5)}};
    root.makeFolder("/Setup");
    root.makeFolder("/prefs");
    for (const auto& [from, to] : threeSettings) {
        ASSERT_TRUE(writeToFile(newSettings, from));
    }
    for (int dieAtRename : {1, 2}) {
        for (const auto& [from, to] : threeSettings) {
            ASSERT_TRUE(writeToFile(oldSettings, to));
        }
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int renames = 0;
            files.setFaultHook([&](FaultKind operation, std::string_view) {
                if (operation == FaultKind::rename && ++renames == dieAtRename) {
                    ::kill(::getpid(), SIGKILL);
                }
                return std::optional<int>();
            });
            (void)files.copyItemsReplacing(threeSettings);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child was not killed at its rename";
        for (std::size_t index = 0; index < threeSettings.size(); ++index) {
            bool renamed = static_cast<int>(index) < dieAtRename - 1;
            EXPECT_EQ(dictionaryWithContentsOfFile(threeSettings[index].second),
                      renamed ? newSettings : oldSettings)
                << index;
        }
        auto left = names("/prefs");  // what a kill leaves is no property list
        std::erase_if(left, [](const std::string& name) { return pathExtension(name) != "plist"; });
        EXPECT_EQ(left, (std::vector<std::string>{"a.plist", "b.plist", "c.plist"}));
    }
}

}  // namespace
