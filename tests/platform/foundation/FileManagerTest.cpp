#include "platform/foundation/FileManager.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "tests/support/DeviceRoot.h"

using namespace foundation;

namespace {

FileManager& files = FileManager::defaultManager();

std::vector<std::string> sortedNames(std::string_view folder) {
    auto names = files.contentsOfDirectory(folder);
    EXPECT_TRUE(names.has_value()) << folder;
    std::vector<std::string> result = names.value_or(std::vector<std::string>{});
    std::sort(result.begin(), result.end());
    return result;
}

template <typename Result>
bool failsSaying(const Result& result, std::string_view text) {
    return !result && result.error().description.find(text) != std::string::npos;
}

// Existence counts links, broken ones too, and reports folders.
TEST(FileManagerTest, DevicePathsNeverLeaveTheRootAndExistenceCountsLinks) {
    testsupport::DeviceRoot root;
    const auto& host = root.hostRoot();
    EXPECT_EQ(files.hostPath("/../../etc/passwd"), host / "etc/passwd");
    EXPECT_EQ(files.hostPath("var/../../../x"), host / "x");
    EXPECT_EQ(files.hostPath("//var/./mobile//Kelvora/"), host / "var/mobile/Kelvora");
    EXPECT_EQ(files.hostPath("/var/mobile/.."), host / "var");
    EXPECT_EQ(files.hostPath(""), host);

    root.write("/inside.txt", "x");
    EXPECT_TRUE(files.fileExists("/../../../inside.txt"));
    // A NUL would make every system call see a shorter path.
    EXPECT_FALSE(files.fileExists(std::string("/inside.txt\0/x", 13)));
    EXPECT_FALSE(files.removeItem(std::string("/inside.txt\0x", 13)));
    EXPECT_TRUE(files.fileExists("/inside.txt"));

    root.makeFolder("/a");
    ASSERT_EQ(::symlink("nowhere", root.host("/broken").c_str()), 0);
    // An absolute link target starts from the root, as on the device.
    ASSERT_EQ(::symlink("/a", root.host("/folderLink").c_str()), 0);
    for (auto [path, exists, folder] : {std::tuple{"/inside.txt", true, false},
                                        {"/broken", true, false},
                                        {"/folderLink", true, true},
                                        {"/missing", false, false}}) {
        bool isDirectory = !folder;
        EXPECT_EQ(files.fileExists(path, isDirectory), exists) << path;
        EXPECT_EQ(isDirectory, folder) << path;
    }
}

// A link planted inside the root leads only to what is inside it: its target is read as a
// device path, so one naming a place outside leads to nothing, and neither a copy through a
// folder link nor a removal beneath one touches the outside.
TEST(FileManagerTest, LinksNeverLeadOutOfTheRoot) {
    testsupport::DeviceRoot outside;
    outside.write("/secret.plist", "secret");
    std::string secret = (outside.hostRoot() / "secret.plist").string();
    testsupport::DeviceRoot root;
    root.write("/shared/list.plist", "inside");
    root.makeFolder("/prefs");
    root.makeFolder("/Setup");
    for (auto [link, target] :
         {std::pair<std::string, std::string>{"/prefs/list.plist", "/shared/list.plist"},
          {"/prefs/out.plist", secret},
          {"/prefs/up.plist", "../../../../../../../.." + secret},
          {"/Setup/out", outside.hostRoot().string()}}) {
        ASSERT_EQ(::symlink(target.c_str(), root.host(link).c_str()), 0);
    }
    EXPECT_EQ(files.contentsOfFile("/prefs/list.plist", 100).value(), "inside");
    EXPECT_FALSE(files.contentsOfFile("/prefs/out.plist", 100));
    EXPECT_FALSE(files.contentsOfFile("/prefs/up.plist", 100));
    EXPECT_FALSE(files.copyItem("/shared/list.plist", "/Setup/out/list.plist"));
    EXPECT_FALSE(files.removeItem("/Setup/out/secret.plist"));
    EXPECT_FALSE(files.linkOrCopyItem("/shared/list.plist", "/Setup/out/linked.plist"));
    EXPECT_FALSE(files.setOwnerAndMode("/Setup/out/secret.plist", {}));
    auto entries = std::filesystem::directory_iterator(outside.hostRoot());
    EXPECT_EQ(std::distance(entries, {}), 1);
    EXPECT_EQ(std::filesystem::file_size(secret), 6u);
}

TEST(FileManagerTest, CreatingFoldersAndRemovingWholeTrees) {
    testsupport::DeviceRoot root;
    EXPECT_TRUE(failsSaying(files.createDirectory("/var/mobile/Kelvora", false),
                            "“/var/mobile/Kelvora” couldn’t be created because there is no such"));

    ASSERT_TRUE(files.createDirectory("/var/mobile/Kelvora/Setup", true));
    EXPECT_TRUE(files.createDirectory("/var/mobile/Kelvora/Setup", true));
    EXPECT_TRUE(
        failsSaying(files.createDirectory("/var/mobile/Kelvora/Setup", false), "already exists"));

    root.write("/var/file", "x");
    EXPECT_TRUE(failsSaying(files.createDirectory("/var/file/", true), "already exists"));
    EXPECT_TRUE(failsSaying(files.createDirectory("/var/file/below", true), "not a folder"));
    EXPECT_EQ(root.read("/var/file"), "x");

    root.write("/t/a/b/c.plist", "x");
    root.write("/t/.hidden", "x");
    root.write("/outside/kept", "x");
    ASSERT_EQ(::symlink(root.host("/outside").c_str(), root.host("/t/a/link").c_str()), 0);
    ASSERT_TRUE(files.removeItem("/t"));
    EXPECT_FALSE(files.fileExists("/t"));
    EXPECT_EQ(root.read("/outside/kept"), "x") << "a link is removed, not followed";
    EXPECT_TRUE(failsSaying(files.removeItem("/t"), "“/t” couldn’t be removed"));

    files.setFaultHook([](FaultKind operation, std::string_view path) {
        return operation == FaultKind::createDirectory && path == "/var/new" ? std::optional(EACCES)
                                                                             : std::nullopt;
    });
    EXPECT_TRUE(failsSaying(files.createDirectory("/var/new/deeper", true), "permission"));
    EXPECT_FALSE(files.fileExists("/var/new"));
}

TEST(FileManagerTest, ListingsAndWholeFileReadsGiveAllOrNothing) {
    testsupport::DeviceRoot root;
    root.write("/p/.GlobalPreferences.plist", "x");
    root.write("/p/com.a.plist", "x");
    root.makeFolder("/p/sub.plist");
    EXPECT_EQ(sortedNames("/p"),
              (std::vector<std::string>{".GlobalPreferences.plist", "com.a.plist", "sub.plist"}));
    EXPECT_EQ(sortedNames("/p/sub.plist"), std::vector<std::string>{});
    EXPECT_FALSE(files.contentsOfDirectory("/missing"));
    EXPECT_FALSE(files.contentsOfDirectory("/p/com.a.plist"));

    root.write("/f", "contents");
    EXPECT_EQ(files.contentsOfFile("/f", 8).value(), "contents");
    EXPECT_FALSE(files.contentsOfFile("/f", 7));
    EXPECT_FALSE(files.contentsOfFile("/p/sub.plist", 100));
    EXPECT_FALSE(files.contentsOfFile("/missing", 100));
    ASSERT_EQ(::mkfifo(root.host("/pipe").c_str(), 0600), 0);
    EXPECT_FALSE(files.contentsOfFile("/pipe", 100)) << "a pipe must not block the reader";
}

// A listing reads many entries of one folder at once; a name must stay an entry of that
// folder, so a hostile one cannot reach past it or out of the root. Dates, far ones included,
// are checked in DateFormatterTest.
TEST(FileManagerTest, AttributesGiveSizeAndKindAndAFoldersEntriesStayInsideIt) {
    testsupport::DeviceRoot root;
    root.write("/prefs/a.plist", std::string(10, 'a'));
    root.write("/prefs/sub/b.plist", std::string(20, 'b'));
    root.write("/secret.plist", std::string(30, 's'));
    auto results = files.attributesOfItems(
        "/prefs", {"a.plist", "sub", "sub/b.plist", "../secret.plist", "..", ".", "", "gone"});
    ASSERT_EQ(results.size(), 8u);
    ASSERT_TRUE(results[0]);
    EXPECT_EQ(results[0].value().size, 10u);
    EXPECT_FALSE(results[0].value().isDirectory);
    ASSERT_TRUE(results[1]);
    EXPECT_TRUE(results[1].value().isDirectory);
    for (std::size_t index = 2; index < results.size(); ++index) {
        EXPECT_FALSE(results[index]) << index;
    }
    EXPECT_TRUE(failsSaying(results[7], "/prefs/gone"));
    auto missingFolder = files.attributesOfItems("/none", {"a.plist"});
    ASSERT_EQ(missingFolder.size(), 1u);
    EXPECT_FALSE(missingFolder[0]);
    EXPECT_TRUE(files.attributesOfItem("/").value().isDirectory);
    EXPECT_TRUE(failsSaying(files.attributesOfItem("/gone"), "/gone"));
}

// A copy keeps file dates, far ones included (DateFormatterTest).
TEST(FileManagerTest, CopyingAFolderCopiesItsTreeWithModesAndLinks) {
    testsupport::DeviceRoot root;
    root.write("/src/a.plist", "alpha");
    root.write("/src/.hidden", "h");
    root.write("/src/sub/deep/b.plist", "beta");
    ASSERT_EQ(::symlink("a.plist", root.host("/src/link").c_str()), 0);
    ASSERT_EQ(::chmod(root.host("/src/a.plist").c_str(), 0640), 0);
    root.makeFolder("/dst");

    ASSERT_TRUE(files.copyItem("/src", "/dst/copy"));
    EXPECT_EQ(sortedNames("/dst/copy"),
              (std::vector<std::string>{".hidden", "a.plist", "link", "sub"}));
    EXPECT_EQ(root.read("/dst/copy/sub/deep/b.plist"), "beta");
    struct stat info;
    ASSERT_EQ(::lstat(root.host("/dst/copy/link").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(::stat(root.host("/dst/copy/a.plist").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(root.read("/src/a.plist"), "alpha");
}

TEST(FileManagerTest, AFailedCopyTouchesNothingAndLeavesNoPartialDestination) {
    testsupport::DeviceRoot root;
    root.write("/p/com.a.plist", "new");
    root.write("/Setup/com.a.plist", "old");
    auto result = files.copyItem("/p/com.a.plist", "/Setup/com.a.plist");
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().description,
              "“/p/com.a.plist” couldn’t be copied to “/Setup/com.a.plist” because an item with "
              "the same name already exists.");
    EXPECT_EQ(root.read("/Setup/com.a.plist"), "old");
    EXPECT_FALSE(files.copyItem("/p/missing.plist", "/Setup/x.plist"));
    EXPECT_FALSE(files.fileExists("/Setup/x.plist"));
    EXPECT_FALSE(files.copyItem("/p", "/p/inner"));
    EXPECT_FALSE(files.fileExists("/p/inner"));

    root.write("/src/one", std::string(200000, 'a'));
    root.write("/src/two", std::string(200000, 'b'));
    files.setFaultHook([](FaultKind operation, std::string_view path) {
        return operation == FaultKind::write && path.ends_with("/two") ? std::optional(ENOSPC)
                                                                       : std::nullopt;
    });
    EXPECT_TRUE(failsSaying(files.copyItem("/src/two", "/two"), "isn’t enough space"));
    EXPECT_FALSE(files.fileExists("/two"));
    EXPECT_FALSE(files.copyItem("/src", "/copy"));
    EXPECT_FALSE(files.fileExists("/copy"));
}

TEST(FileManagerTest, PathComponentsFollowThePhonesStringRules) {
    for (auto [folder, name, joined] :
         {std::tuple{"/var/mobile/Kelvora/Setup", "a", "/var/mobile/Kelvora/Setup/a"},
          {"/var/mobile/Kelvora/Setup/", "a", "/var/mobile/Kelvora/Setup/a"},
          {"/var//x/", "/b.plist/", "/var/x/b.plist"},
          {"/", "a", "/a"},
          {"", "a", "a"},
          {"rel", "a", "rel/a"},
          {"/x", "", "/x"}}) {
        EXPECT_EQ(appendingPathComponent(folder, name), joined) << folder << " + " << name;
    }
    for (auto [path, last, extension] :
         {std::tuple{"/tmp/scratch.tiff", "scratch.tiff", "tiff"},
          {"/tmp/lock/", "lock", ""},
          {"/", "/", ""},
          {"", "", ""},
          {"a.b.plist", "a.b.plist", "plist"},
          {"/p/.GlobalPreferences.plist", ".GlobalPreferences.plist", "plist"},
          {"/p/.profile", ".profile", ""},
          {"/p/name.", "name.", ""},
          {"/dir.d/file", "file", ""},
          {"/a.PLIST", "a.PLIST", "PLIST"}}) {
        EXPECT_EQ(lastPathComponent(path), last) << path;
        EXPECT_EQ(pathExtension(path), extension) << path;
    }
}

}  // namespace
