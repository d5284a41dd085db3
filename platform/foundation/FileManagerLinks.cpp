// FileManager's hard links, statuses and flushes, with which a restore point keeps the files a
// restore replaces before any of them is replaced.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <tuple>

#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/FileError.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/RootFolder.h"

namespace foundation {

namespace {

constexpr mode_t kModeBits = 07777;

bool unusable(std::string_view path) {
    return path.find('\0') != std::string_view::npos;
}

ItemStatus::Type typeOf(mode_t mode) {
    if (S_ISREG(mode)) {
        return ItemStatus::Type::file;
    }
    if (S_ISDIR(mode)) {
        return ItemStatus::Type::folder;
    }
    return S_ISLNK(mode) ? ItemStatus::Type::link : ItemStatus::Type::other;
}

// What no hard link can be made for, though a copy can: another volume, a folder, a file
// system without links, a file with as many links as it may have.
bool linkingImpossible(int error) {
    return error == EXDEV || error == EPERM || error == EMLINK || error == ENOTSUP ||
           error == EOPNOTSUPP;
}

// Resolves `path` inside the root to its folder and entry, a link at its end not followed.
int located(const std::filesystem::path& root, std::string_view path, FileLocation& location) {
    RootFolder folder(root);
    return folder.error() != 0 ? folder.error() : folder.locate(path, location);
}

}  // namespace

Result<ItemStatus> FileManager::statusOfItem(std::string_view path) const {
    struct stat info;
    if (unusable(path)) {
        return FileError::inspecting(path, EINVAL);
    }
    FileLocation location;
    if (int error = located(root_, path, location)) {
        return FileError::inspecting(path, error);
    }
    if (::fstatat(location.at(), location.entry(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return FileError::inspecting(path, errno);
    }
    ItemStatus status;
    status.type = typeOf(info.st_mode);
    status.device = info.st_dev;
    status.inode = info.st_ino;
    status.owner = info.st_uid;
    status.group = info.st_gid;
    status.mode = info.st_mode & kModeBits;
    return status;
}

Result<void> FileManager::linkOrCopyItem(std::string_view from, std::string_view to) const {
    if (unusable(from) || unusable(to)) {
        return FileError::copying(from, to, EINVAL);
    }
    if (auto fault = injectedFault(FaultKind::link, to)) {
        return FileError::copying(from, to, *fault);
    }
    FileLocation source;
    FileLocation target;
    int error = located(root_, from, source);
    if (error == 0) {
        error = located(root_, to, target);
    }
    if (error == 0) {
        error =
            ::linkat(source.at(), source.entry(), target.at(), target.entry(), 0) == 0 ? 0 : errno;
    }
    if (error == 0) {
        return {};
    }
    if (!linkingImpossible(error)) {
        return FileError::copying(from, to, error);
    }
    auto status = statusOfItem(from);
    if (!status) {
        return status.error();
    }
    if (auto copied = copyItem(from, to); !copied) {
        return copied;
    }
    // Only the superuser may give a file away; anyone else keeps the copy as their own.
    std::ignore = ::fchownat(target.at(), target.entry(), status.value().owner,
                             status.value().group, AT_SYMLINK_NOFOLLOW);
    return synchronizeTree(to);
}

Result<void> FileManager::synchronizeTree(std::string_view path) const {
    auto status = statusOfItem(path);
    if (status && status.value().type == ItemStatus::Type::folder) {
        for (const auto& name : contentsOfDirectory(path).value_or(std::vector<std::string>{})) {
            if (auto synced = synchronizeTree(appendingPathComponent(path, name)); !synced) {
                return synced;
            }
        }
    }
    return synchronizeItem(path);
}

Result<void> FileManager::setOwnerAndMode(std::string_view path, const ItemStatus& like) const {
    if (unusable(path)) {
        return FileError::saving(path, EINVAL);
    }
    FileLocation location;
    struct stat info;
    if (int error = located(root_, path, location)) {
        return FileError::saving(path, error);
    }
    if (::fstatat(location.at(), location.entry(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return FileError::saving(path, errno);
    }
    std::ignore =
        ::fchownat(location.at(), location.entry(), like.owner, like.group, AT_SYMLINK_NOFOLLOW);
    if (!S_ISLNK(info.st_mode) &&
        ::fchmodat(location.at(), location.entry(), like.mode & kModeBits, 0) != 0) {
        return FileError::saving(path, errno);
    }
    return {};
}

// A link has nothing of its own to write but its folder's entry.
Result<void> FileManager::synchronizeItem(std::string_view path) const {
    auto status = statusOfItem(path);
    if (!status) {
        return status.error();
    }
    if (status.value().type == ItemStatus::Type::link) {
        return {};
    }
    FileLocation location;
    if (int error = located(root_, path, location)) {
        return FileError::saving(path, error);
    }
    FileDescriptor opened(
        ::openat(location.at(), location.entry(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!opened.valid() || ::fsync(opened.get()) != 0) {
        return FileError::saving(path, errno);
    }
    return {};
}

}  // namespace foundation
