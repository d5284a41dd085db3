#include "platform/foundation/AtomicReplacement.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <tuple>
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
bool sameItem(const RootFolder& root, const FileLocation& source, const struct stat& sourceInfo,
              const struct stat& targetInfo) {
    if (sameInode(sourceInfo, targetInfo)) {
        return true;
    }
    if (!S_ISLNK(sourceInfo.st_mode) || S_ISLNK(targetInfo.st_mode)) {
        return false;
    }
    FileDescriptor followed;
    struct stat info;
    return root.open(source.device, O_PATH, followed) == 0 && ::fstat(followed.get(), &info) == 0 &&
           sameInode(info, targetInfo);
}

}  // namespace

AtomicReplacement::AtomicReplacement(FileLocation target, FaultHook fault,
                                     std::shared_ptr<const RootFolder> root)
    : target_(std::move(target)), fault_(std::move(fault)), root_(std::move(root)) {
    struct stat info;
    if (::fstatat(target_.at(), target_.entry(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
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
    if (::fstat(target_.at(), &folder) == 0) {
        return {folder.st_uid, folder.st_gid};
    }
    return {::geteuid(), ::getegid()};
}

void AtomicReplacement::syncFolder(int folder) {
    FileDescriptor descriptor(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.valid()) {
        ::fsync(descriptor.get());
    }
}

int AtomicReplacement::write(std::string_view contents) const {
    if (replaced_ && S_ISDIR(replaced_->st_mode)) {
        return EISDIR;
    }
    TemporarySibling temporary(target_, TemporarySibling::Kind::file);
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
    std::ignore = ::fchown(file, owner.uid, owner.gid);
    bool keepMode = replaced_ && S_ISREG(replaced_->st_mode);
    if (::fchmod(file, keepMode ? replaced_->st_mode & keptModeBits : newFileMode) != 0 ||
        ::fsync(file) != 0) {
        return errno;
    }
    if (int error = injected(FaultKind::rename)) {
        return error;
    }
    const FileLocation& written = temporary.location();
    if (::renameat(written.at(), written.entry(), target_.at(), target_.entry()) != 0) {
        return errno;
    }
    temporary.release();
    syncFolder(target_.at());
    return 0;
}

int AtomicReplacement::copyFrom(const FileLocation& source) {
    if (int error = stage(source, FileTree::Flush::now)) {
        return error;
    }
    if (int error = commit()) {
        return error;
    }
    syncFolder(target_.at());
    return 0;
}

int AtomicReplacement::stage(const FileLocation& source, FileTree::Flush flush) {
    struct stat info;
    if (::fstatat(source.at(), source.entry(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno;
    }
    if (replaced_ && sameItem(*root_, source, info, *replaced_)) {
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
    auto temporary = std::make_unique<TemporarySibling>(target_, TemporarySibling::Kind::file);
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
    staged_ = temporary->location();
    stagedFile_ = true;
    temporary_ = std::move(temporary);
    return 0;
}

int AtomicReplacement::stageTree(const FileLocation& source, const struct stat& info,
                                 const FileTree& tree) {
    auto temporary = std::make_unique<TemporarySibling>(target_, TemporarySibling::Kind::folder);
    if (temporary->error() != 0) {
        return temporary->error();
    }
    // Named through the target's folder rather than an open temporary folder, so that a
    // batch of many folders holds no descriptor for each.
    FileLocation staged{target_.folder, temporary->location().name + "/" + target_.name,
                        target_.device};
    if (int error = tree.copy(source, staged)) {
        return error;
    }
    bool keepMode = replaced_ && !S_ISLNK(replaced_->st_mode) && !S_ISLNK(info.st_mode);
    if (keepMode &&
        ::fchmodat(staged.at(), staged.entry(), replaced_->st_mode & keptModeBits, 0) != 0) {
        return errno;
    }
    staged_ = std::move(staged);
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
    if (int error = swapInto()) {
        return error;
    }
    // A staged file was itself the temporary; a temporary folder now holds at most the
    // replaced item, and removing it is all that is left.
    if (stagedFile_) {
        temporary_->release();
    }
    temporary_.reset();
    return 0;
}

// A folder cannot be renamed over a folder that has contents, nor a file over a folder, so
// those are exchanged in one step and the old item leaves with the temporary folder.
int AtomicReplacement::swapInto() const {
    auto renamed = [&](const FileLocation& from, const FileLocation& to, unsigned int flags) {
        int result = flags == 0 ? ::renameat(from.at(), from.entry(), to.at(), to.entry())
                                : ::renameat2(from.at(), from.entry(), to.at(), to.entry(), flags);
        return result == 0 ? 0 : errno;
    };
    if (!replaced_) {
        int error = renamed(staged_, target_, RENAME_NOREPLACE);
        return error == EINVAL || error == ENOSYS ? renamed(staged_, target_, 0) : error;
    }
    if (!S_ISDIR(replaced_->st_mode) && !stagedFolder_) {
        return renamed(staged_, target_, 0);
    }
    int error = renamed(staged_, target_, RENAME_EXCHANGE);
    if (error != EINVAL && error != ENOSYS) {
        return error;
    }
    // Without an exchange the old item steps aside into the temporary folder that holds the
    // staged one, and comes back if the new one fails.
    FileLocation parking{target_.folder, temporary_->location().name + "/.replaced",
                         target_.device};
    if (int stepAside = renamed(target_, parking, 0)) {
        return stepAside;
    }
    if (int failed = renamed(staged_, target_, 0)) {
        std::ignore = renamed(parking, target_, 0);
        return failed;
    }
    return 0;
}

}  // namespace foundation
