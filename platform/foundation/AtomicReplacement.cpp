#include "platform/foundation/AtomicReplacement.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/FileError.h"
#include "platform/foundation/TemporarySibling.h"

namespace foundation {

namespace {

constexpr mode_t newFileMode = 0644;
constexpr mode_t keptModeBits = 07777;

int writeAll(int out, std::string_view data) {
    while (!data.empty()) {
        ssize_t written = ::write(out, data.data(), data.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return errno;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

bool sameInode(const struct stat& first, const struct stat& second) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// Whether the copy would destroy what it copies: the source is the target's own entry under
// another name, or a link leading to the target's data, which the replacement would turn into
// a link to itself. Entries are compared, not what links lead to, so a link replaces another
// link to the same file, and a file replaces a link leading to it.
bool sameItem(const FileLocation& source, const struct stat& sourceInfo,
              const struct stat& targetInfo) {
    if (sameInode(sourceInfo, targetInfo)) {
        return true;
    }
    struct stat followed;
    return S_ISLNK(sourceInfo.st_mode) && !S_ISLNK(targetInfo.st_mode) &&
           ::stat(source.host.c_str(), &followed) == 0 && sameInode(followed, targetInfo);
}

}  // namespace

AtomicReplacement::AtomicReplacement(FileLocation target, FaultHook fault)
    : target_(std::move(target)), fault_(std::move(fault)) {
    struct stat info;
    if (::lstat(target_.host.c_str(), &info) == 0) {
        replaced_ = info;
    }
}

int AtomicReplacement::injected(FaultKind kind) const {
    return fault_ ? fault_(kind, target_.device).value_or(0) : 0;
}

FileOwner AtomicReplacement::newOwner() const {
    if (replaced_ && !S_ISLNK(replaced_->st_mode)) {
        return {replaced_->st_uid, replaced_->st_gid};
    }
    struct stat folder;
    if (::stat(target_.host.parent_path().c_str(), &folder) == 0) {
        return {folder.st_uid, folder.st_gid};
    }
    return {::geteuid(), ::getegid()};
}

void AtomicReplacement::syncFolder(const std::filesystem::path& folder) {
    FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.valid()) {
        ::fsync(descriptor.get());
    }
}

int AtomicReplacement::write(std::string_view contents) const {
    if (replaced_ && S_ISDIR(replaced_->st_mode)) {
        return EISDIR;
    }
    TemporarySibling temporary(target_.host, TemporarySibling::Kind::file);
    if (temporary.error() != 0) {
        return temporary.error();
    }
    int file = temporary.descriptor();
    std::size_t half = contents.size() / 2;
    if (int error = writeAll(file, contents.substr(0, half))) {
        return error;
    }
    // Between the two halves, so that an injected full disk strikes in mid-write.
    if (int error = injected(FaultKind::write)) {
        return error;
    }
    if (int error = writeAll(file, contents.substr(half))) {
        return error;
    }
    FileOwner owner = newOwner();
    // Giving a file away needs the superuser; anyone else keeps their own files.
    (void)!::fchown(file, owner.uid, owner.gid);
    bool keepMode = replaced_ && S_ISREG(replaced_->st_mode);
    if (::fchmod(file, keepMode ? replaced_->st_mode & keptModeBits : newFileMode) != 0 ||
        ::fsync(file) != 0) {
        return errno;
    }
    if (int error = injected(FaultKind::rename)) {
        return error;
    }
    if (::rename(temporary.path().c_str(), target_.host.c_str()) != 0) {
        return errno;
    }
    temporary.release();
    syncFolder(target_.host.parent_path());
    return 0;
}

int AtomicReplacement::copyFrom(const FileLocation& source) {
    if (int error = stage(source, FileTree::Flush::now)) {
        return error;
    }
    if (int error = commit()) {
        return error;
    }
    syncFolder(target_.host.parent_path());
    return 0;
}

int AtomicReplacement::stage(const FileLocation& source, FileTree::Flush flush) {
    struct stat info;
    if (::lstat(source.host.c_str(), &info) != 0) {
        return errno;
    }
    if (replaced_ && sameItem(source, info, *replaced_)) {
        return FileError::sameItem;
    }
    FileTree tree(fault_);
    tree.setOwner(newOwner());
    tree.setFlush(flush);
    stagedFolder_ = S_ISDIR(info.st_mode);
    // A file replacing a file needs no temporary folder around it: one file beside the target.
    bool fileOverFile = S_ISREG(info.st_mode) && !(replaced_ && S_ISDIR(replaced_->st_mode));
    return fileOverFile ? stageFile(source, tree) : stageTree(source, info, tree);
}

int AtomicReplacement::stageFile(const FileLocation& source, const FileTree& tree) {
    auto temporary = std::make_unique<TemporarySibling>(target_.host, TemporarySibling::Kind::file);
    if (temporary->error() != 0) {
        return temporary->error();
    }
    bool keepMode = replaced_ && !S_ISLNK(replaced_->st_mode);
    std::optional<mode_t> mode;
    if (keepMode) {
        mode = replaced_->st_mode & keptModeBits;
    }
    if (int error = tree.copyFileInto(source, target_.device, temporary->descriptor(), mode)) {
        return error;
    }
    if (int error = temporary->closeFile()) {
        return error;
    }
    staged_ = temporary->path();
    temporary_ = std::move(temporary);
    return 0;
}

int AtomicReplacement::stageTree(const FileLocation& source, const struct stat& info,
                                 const FileTree& tree) {
    auto temporary =
        std::make_unique<TemporarySibling>(target_.host, TemporarySibling::Kind::folder);
    if (temporary->error() != 0) {
        return temporary->error();
    }
    FileLocation staged{temporary->path() / target_.host.filename(), target_.device};
    if (int error = tree.copy(source, staged)) {
        return error;
    }
    bool keepMode = replaced_ && !S_ISLNK(replaced_->st_mode) && !S_ISLNK(info.st_mode);
    if (keepMode && ::chmod(staged.host.c_str(), replaced_->st_mode & keptModeBits) != 0) {
        return errno;
    }
    staged_ = staged.host;
    temporary_ = std::move(temporary);
    return 0;
}

int AtomicReplacement::commit() {
    if (!temporary_) {
        return EINVAL;
    }
    if (int error = injected(FaultKind::rename)) {
        return error;
    }
    if (int error = swapInto(staged_, temporary_->path() / ".replaced")) {
        return error;
    }
    // A staged file was itself the temporary; a temporary folder now holds at most the
    // replaced item, and removing it is all that is left.
    if (staged_ == temporary_->path()) {
        temporary_->release();
    }
    temporary_.reset();
    return 0;
}

// A folder cannot be renamed over a folder that has contents, nor a file over a folder, so
// those are exchanged in one step and the old item leaves with the temporary folder.
int AtomicReplacement::swapInto(const std::filesystem::path& staged,
                                const std::filesystem::path& parking) const {
    const char* target = target_.host.c_str();
    if (!replaced_) {
        if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target, RENAME_NOREPLACE) == 0) {
            return 0;
        }
        return errno == EINVAL || errno == ENOSYS
                   ? (::rename(staged.c_str(), target) == 0 ? 0 : errno)
                   : errno;
    }
    if (!S_ISDIR(replaced_->st_mode) && !stagedFolder_) {
        return ::rename(staged.c_str(), target) == 0 ? 0 : errno;
    }
    if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target, RENAME_EXCHANGE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // Without an exchange the old item steps aside first and comes back if the new one fails.
    if (::rename(target, parking.c_str()) != 0) {
        return errno;
    }
    if (::rename(staged.c_str(), target) != 0) {
        int error = errno;
        (void)!::rename(parking.c_str(), target);
        return error;
    }
    return 0;
}

}  // namespace foundation
