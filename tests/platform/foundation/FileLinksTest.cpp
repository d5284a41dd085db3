#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "platform/foundation/Digest.h"
#include "platform/foundation/FileManager.h"
#include "tests/support/DeviceRoot.h"

using namespace foundation;

namespace {

std::string sha256sum(const std::filesystem::path& file) {
    FILE* pipe = ::popen(("sha256sum '" + file.string() + "'").c_str(), "r");
    char digest[65] = {};
    EXPECT_TRUE(pipe != nullptr && std::fread(digest, 1, 64, pipe) == 64) << "no sha256sum";
    if (pipe != nullptr) {
        ::pclose(pipe);
    }
    return digest;
}

// Lengths around the 55-, 56- and 64-byte edges of the padding, and many blocks fed unevenly.
TEST(FileLinksTest, TheDigestIsSha256sums) {
    testsupport::DeviceRoot root;
    std::mt19937 random(7);
    for (std::size_t length : {0, 1, 55, 56, 63, 64, 65, 119, 120, 100'000}) {
        std::string bytes(length, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        root.write("/bytes", bytes);
        Digest pieces;
        for (std::size_t at = 0; at < length; at += 77) {
            pieces.update(std::string_view(bytes).substr(at, 77));
        }
        const std::string expected = sha256sum(root.host("/bytes"));
        EXPECT_EQ(Digest::sha256(bytes), expected) << length;
        EXPECT_EQ(pieces.hexadecimal(), expected) << length;
    }
}

// A file is linked, so it is the very same file; a folder cannot be linked and is copied with
// its owner, mode and date; an occupied target or a refused link leaves everything as it was.
TEST(FileLinksTest, AFileIsLinkedAndWhatCannotBeLinkedIsCopiedAsItWas) {
    testsupport::DeviceRoot root;
    auto& files = FileManager::defaultManager();
    root.write("/from/file", "bytes");
    root.write("/from/folder/inner", "inner");
    for (const char* item : {"/from/file", "/from/folder"}) {
        ASSERT_EQ(::chown(root.host(item).c_str(), 1234, 5678), 0);
        std::filesystem::permissions(root.host(item), std::filesystem::perms(0750));
        std::filesystem::last_write_time(root.host(item),
                                         std::filesystem::file_time_type(std::chrono::hours(5)));
    }
    root.makeFolder("/to");
    ASSERT_TRUE(files.linkOrCopyItem("/from/file", "/to/file"));
    ASSERT_TRUE(files.linkOrCopyItem("/from/folder", "/to/folder"));

    EXPECT_TRUE(files.statusOfItem("/to/file")
                    .value()
                    .isSameItem(files.statusOfItem("/from/file").value()));
    const ItemStatus from = files.statusOfItem("/from/folder").value();
    const ItemStatus copy = files.statusOfItem("/to/folder").value();
    EXPECT_FALSE(copy.isSameItem(from));
    EXPECT_EQ(std::tie(copy.type, copy.owner, copy.group, copy.mode),
              std::tie(from.type, from.owner, from.group, from.mode));
    EXPECT_EQ(files.attributesOfItem("/to/folder").value().modificationDate,
              files.attributesOfItem("/from/folder").value().modificationDate);
    EXPECT_EQ(root.read("/to/folder/inner"), "inner");

    EXPECT_FALSE(files.linkOrCopyItem("/from/file", "/to/folder"));
    files.setFaultHook([](FaultKind kind, std::string_view) -> std::optional<int> {
        return kind == FaultKind::link ? std::optional(ENOSPC) : std::nullopt;
    });
    auto refused = files.linkOrCopyItem("/from/file", "/to/other");
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().description.find("enough space"), std::string::npos);
    EXPECT_FALSE(files.fileExists("/to/other"));
}

}  // namespace
