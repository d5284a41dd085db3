#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/foundation/AtomicReplacement.h"
#include "platform/foundation/FileError.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/FileTree.h"
#include "platform/foundation/ReplacementBatch.h"
#include "platform/foundation/RootFolder.h"

// What changes the device's files: copies, replacements, removals and atomic writes.
namespace foundation {

namespace {

bool sameInode(const struct stat& first, const struct stat& second) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// Both entries of a copy; 0, or the error that keeps the copy from starting. A path with a
// NUL byte would silently name a shorter path in every system call.
int located(const RootFolder& root, std::string_view from, std::string_view to,
            FileLocation& source, FileLocation& target) {
    if (from.find('\0') != std::string_view::npos || to.find('\0') != std::string_view::npos) {
        return EINVAL;
    }
    int error = root.locate(from, source);
    return error != 0 ? error : root.locate(to, target);
}

// Whether `folder` is the folder `source` or lies beneath it, walking up to the root; a walk
// up costs a step per level, which only a folder's copy pays.
bool isWithin(const RootFolder& root, int folder, const struct stat& source) {
    struct stat top;
    if (::fstat(root.descriptor().get(), &top) != 0) {
        return false;
    }
    FileDescriptor up;
    for (int at = folder;;) {
        struct stat info;
        if (::fstat(at, &info) != 0) {
            return false;
        }
        if (sameInode(info, source) || sameInode(info, top)) {
            return sameInode(info, source);
        }
        FileDescriptor parent(::openat(at, "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        struct stat above;
        if (!parent.valid() || ::fstat(parent.get(), &above) != 0 || sameInode(above, info)) {
            return false;
        }
        up = std::move(parent);
        at = up.get();
    }
}

}  // namespace

// The check a copy makes before it touches anything: 0 or the error to report. Only a
// folder can be copied into itself, which would never end.
int FileManager::checkedCopy(const RootFolder& root, const FileLocation& from,
                             const FileLocation& to) const {
    struct stat info;
    if (::fstatat(from.at(), from.entry(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISDIR(info.st_mode)) {
        return 0;
    }
    return isWithin(root, to.at(), info) ? FileError::intoItself : 0;
}

Result<void> FileManager::copyItem(std::string_view from, std::string_view to) const {
    RootFolder root(root_);
    FileLocation source;
    FileLocation target;
    if (int error = located(root, from, to, source, target)) {
        return FileError::copying(from, to, error);
    }
    struct stat info;
    if (::fstatat(target.at(), target.entry(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        return FileError::copying(from, to, EEXIST);
    }
    if (int error = checkedCopy(root, source, target)) {
        return FileError::copying(from, to, error);
    }
    FileTree tree(faultHook_);
    if (::fstat(target.at(), &info) == 0) {
        tree.setOwner(FileOwner{info.st_uid, info.st_gid});
    }
    if (int error = tree.copy(source, target)) {
        return FileError::copying(from, to, error);
    }
    return {};
}

Result<void> FileManager::copyItemReplacing(std::string_view from, std::string_view to) const {
    auto root = std::make_shared<const RootFolder>(root_);
    FileLocation source;
    FileLocation target;
    int error = located(*root, from, to, source, target);
    if (error == 0) {
        error = checkedCopy(*root, source, target);
    }
    if (error == 0) {
        error = AtomicReplacement(target, faultHook_, root).copyFrom(source);
    }
    return error == 0 ? Result<void>{} : FileError::copying(from, to, error);
}

std::vector<Result<void>> FileManager::copyItemsReplacing(
    const std::vector<std::pair<std::string, std::string>>& fromTo) const {
    auto root = std::make_shared<const RootFolder>(root_);
    ReplacementBatch batch(faultHook_, root);
    std::vector<int> errors(fromTo.size(), 0);
    std::vector<std::size_t> staged;
    for (std::size_t index = 0; index < fromTo.size(); ++index) {
        const auto& [from, to] = fromTo[index];
        FileLocation source;
        FileLocation target;
        int& error = errors[index];
        error = located(*root, from, to, source, target);
        if (error == 0) {
            error = checkedCopy(*root, source, target);
        }
        if (error == 0) {
            error = batch.stage(source, target);
        }
        if (error == 0) {
            staged.push_back(index);
        }
    }
    std::vector<int> committed = batch.commit();
    for (std::size_t at = 0; at < staged.size(); ++at) {
        errors[staged[at]] = committed[at];
    }
    std::vector<Result<void>> results;
    results.reserve(fromTo.size());
    for (std::size_t index = 0; index < fromTo.size(); ++index) {
        results.push_back(
            errors[index] == 0
                ? Result<void>{}
                : FileError::copying(fromTo[index].first, fromTo[index].second, errors[index]));
    }
    return results;
}

Result<void> FileManager::removeItem(std::string_view path) const {
    RootFolder root(root_);
    FileLocation item;
    int error = path.find('\0') != std::string_view::npos ? EINVAL : root.locate(path, item);
    if (error == 0) {
        error = FileTree(faultHook_).remove(item);
    }
    return error == 0 ? Result<void>{} : FileError::removing(path, error);
}

Result<void> FileManager::writeAtomically(std::string_view path, std::string_view contents) const {
    auto root = std::make_shared<const RootFolder>(root_);
    FileLocation target;
    int error = path.find('\0') != std::string_view::npos ? EINVAL : root->locate(path, target);
    if (error == 0) {
        error = AtomicReplacement(target, faultHook_, root).write(contents);
    }
    return error == 0 ? Result<void>{} : FileError::saving(path, error);
}

}  // namespace foundation
