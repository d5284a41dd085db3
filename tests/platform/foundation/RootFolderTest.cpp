#include "platform/foundation/RootFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "tests/support/DeviceRoot.h"

using namespace foundation;

namespace {

std::pair<dev_t, ino_t> identity(const FileDescriptor& opened) {
    struct stat info {};
    EXPECT_EQ(::fstat(opened.get(), &info), 0);
    return {info.st_dev, info.st_ino};
}

// Where the kernel cannot resolve a path inside the root, a walk does: both give the same
// item or the same error for links absolute, relative, chained, looping and leading out.
TEST(RootFolderTest, AWalkResolvesLikeTheKernel) {
    testsupport::DeviceRoot root;
    root.write("/dir/file", "x");
    root.makeFolder("/dir/sub");
    root.makeFolder("/links");
    for (auto [link, target] : {std::pair{"abs", "/dir/file"},
                                {"rel", "../dir/file"},
                                {"escape", "../../../../dir/file"},
                                {"folder", "/dir"},
                                {"back", "/dir/../dir/file"},
                                {"deep", "/dir/sub"},
                                {"deepUp", "deep/.."},
                                {"loop", "loop"},
                                {"chain", "abs"},
                                {"out", "/../../etc/hostname"}}) {
        ASSERT_EQ(::symlink(target, root.host(std::string("/links/") + link).c_str()), 0);
    }
    RootFolder folder(root.hostRoot());
    FileDescriptor file;
    ASSERT_EQ(folder.open("/dir/file", O_PATH, file), 0);
    for (const char* path : {"/", "/links/abs", "/links/rel", "/links/escape", "/links/folder/file",
                             "/links/back", "/links/deepUp/file", "/links/loop", "/links/chain",
                             "/links/out", "/dir/file/x", "/links/folder/missing"}) {
        for (int flags : {O_PATH, O_PATH | O_NOFOLLOW, O_RDONLY}) {
            FileDescriptor kernel;
            FileDescriptor walked;
            int error = folder.open(path, flags, kernel);
            ASSERT_EQ(folder.openByWalking(path, flags, walked), error) << path << " " << flags;
            if (error == 0) {
                EXPECT_EQ(identity(kernel), identity(walked)) << path << " " << flags;
            }
        }
    }
    FileDescriptor escaped;
    ASSERT_EQ(folder.openByWalking("/links/escape", O_PATH, escaped), 0);
    EXPECT_EQ(identity(escaped), identity(file));
}

}  // namespace
