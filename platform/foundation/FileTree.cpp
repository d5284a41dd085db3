#include "platform/foundation/FileTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <utility>

#include "platform/foundation/FileDescriptor.h"

namespace foundation {

namespace {

constexpr std::size_t chunkSize = 1 << 16;
constexpr mode_t permissionBits = 0777;

int writeAll(int out, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t written = ::write(out, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

}  // namespace

int FileTree::injected(FaultKind kind, const std::string& device) const {
    if (!fault_) {
        return 0;
    }
    return fault_(kind, device).value_or(0);
}

std::optional<std::vector<std::string>> FileTree::names(int folder) {
    // A listing of its own, so that the folder's descriptor keeps naming entries meanwhile.
    int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (dir == nullptr) {
        if (listing >= 0) {
            ::close(listing);
        }
        return std::nullopt;
    }
    std::vector<std::string> result;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") {
            result.push_back(std::move(name));
        }
    }
    ::closedir(dir);
    return result;
}

int FileTree::copy(const FileLocation& from, const FileLocation& to) const {
    struct stat existing;
    if (::fstatat(to.at(), to.entry(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        return EEXIST;
    }
    int error = copyItem(from, to);
    if (error != 0) {
        // Only what this copy made is at `to`: nothing existed there before it started.
        struct stat info;
        if (::fstatat(to.at(), to.entry(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
            FileTree(nullptr).remove(to);
        }
    }
    return error;
}

int FileTree::copyItem(const FileLocation& from, const FileLocation& to) const {
    if (int error = injected(FaultKind::copy, to.device)) {
        return error;
    }
    struct stat info;
    if (::fstatat(from.at(), from.entry(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno;
    }
    if (S_ISREG(info.st_mode)) {
        return copyFile(from, to, info);
    }
    if (S_ISDIR(info.st_mode)) {
        return copyFolder(from, to, info);
    }
    if (S_ISLNK(info.st_mode)) {
        return copyLink(from, to);
    }
    // Reading a pipe or a device would block or never end.
    return ENOTSUP;
}

int FileTree::copyFile(const FileLocation& from, const FileLocation& to,
                       const struct stat& info) const {
    FileDescriptor in(::openat(from.at(), from.entry(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!in.valid()) {
        return errno;
    }
    FileDescriptor out(
        ::openat(to.at(), to.entry(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out.valid()) {
        return errno;
    }
    return fillFile(in.get(), out.get(), to.device, info, info.st_mode & permissionBits);
}

int FileTree::copyFileInto(const FileLocation& from, const std::string& device, int out,
                           std::optional<mode_t> mode) const {
    if (int error = injected(FaultKind::copy, device)) {
        return error;
    }
    FileDescriptor in(::openat(from.at(), from.entry(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info;
    if (!in.valid() || ::fstat(in.get(), &info) != 0) {
        return errno;
    }
    if (!S_ISREG(info.st_mode)) {
        return ENOTSUP;
    }
    return fillFile(in.get(), out, device, info, mode.value_or(info.st_mode & permissionBits));
}

int FileTree::fillFile(int in, int out, const std::string& device, const struct stat& info,
                       mode_t mode) const {
    if (int error = copyData(in, out, device)) {
        return error;
    }
    if (owner_ && ::fchown(out, owner_->uid, owner_->gid) != 0) {
        errno = 0;
    }
    if (::fchmod(out, mode) != 0) {
        return errno;
    }
    const std::array<timespec, 2> times{info.st_atim, info.st_mtim};
    if (::futimens(out, times.data()) != 0) {
        return errno;
    }
    if (flush_ == Flush::now && ::fsync(out) != 0) {
        return errno;
    }
    if (flush_ == Flush::started && ::sync_file_range(out, 0, 0, SYNC_FILE_RANGE_WRITE) != 0) {
        return errno;
    }
    return 0;
}

int FileTree::copyData(int in, int out, const std::string& device) const {
    std::array<char, chunkSize> buffer;
    bool faultChecked = false;
    for (;;) {
        ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return errno;
        }
        if (got == 0) {
            break;
        }
        if (int error = writeAll(out, buffer.data(), static_cast<std::size_t>(got))) {
            return error;
        }
        // Checked after the first chunk, so an injected full disk leaves a partly written
        // file behind, as a real one would.
        if (!std::exchange(faultChecked, true)) {
            if (int error = injected(FaultKind::write, device)) {
                return error;
            }
        }
    }
    return faultChecked ? 0 : injected(FaultKind::write, device);
}

int FileTree::copyFolder(const FileLocation& from, const FileLocation& to,
                         const struct stat& info) const {
    if (::mkdirat(to.at(), to.entry(), 0700) != 0) {
        return errno;
    }
    std::shared_ptr<const FileDescriptor> source;
    std::shared_ptr<const FileDescriptor> target;
    int opened = from.open(source);
    if (opened != 0 || (opened = to.open(target)) != 0) {
        return opened;
    }
    auto entries = names(source->get());
    if (!entries) {
        return errno != 0 ? errno : EACCES;
    }
    for (const auto& name : *entries) {
        if (int error = copyItem(from.child(source, name), to.child(target, name))) {
            return error;
        }
    }
    if (owner_ &&
        ::fchownat(to.at(), to.entry(), owner_->uid, owner_->gid, AT_SYMLINK_NOFOLLOW) != 0) {
        errno = 0;
    }
    if (::fchmodat(to.at(), to.entry(), info.st_mode & permissionBits, 0) != 0) {
        return errno;
    }
    const std::array<timespec, 2> times{info.st_atim, info.st_mtim};
    return ::utimensat(to.at(), to.entry(), times.data(), AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
}

int FileTree::copyLink(const FileLocation& from, const FileLocation& to) const {
    std::array<char, PATH_MAX> target;
    ssize_t length = ::readlinkat(from.at(), from.entry(), target.data(), target.size());
    if (length < 0) {
        return errno;
    }
    if (static_cast<std::size_t>(length) >= target.size()) {
        return ENAMETOOLONG;
    }
    std::string linkTarget(target.data(), static_cast<std::size_t>(length));
    if (::symlinkat(linkTarget.c_str(), to.at(), to.entry()) != 0) {
        return errno;
    }
    if (owner_ &&
        ::fchownat(to.at(), to.entry(), owner_->uid, owner_->gid, AT_SYMLINK_NOFOLLOW) != 0) {
        errno = 0;
    }
    return 0;
}

int FileTree::remove(const FileLocation& item) const {
    if (int error = injected(FaultKind::remove, item.device)) {
        return error;
    }
    struct stat info;
    if (::fstatat(item.at(), item.entry(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno;
    }
    if (!S_ISDIR(info.st_mode)) {
        return ::unlinkat(item.at(), item.entry(), 0) == 0 ? 0 : errno;
    }
    std::shared_ptr<const FileDescriptor> folder;
    if (int error = item.open(folder)) {
        return error;
    }
    auto entries = names(folder->get());
    if (!entries) {
        return errno != 0 ? errno : EACCES;
    }
    for (const auto& name : *entries) {
        if (int error = remove(item.child(folder, name))) {
            return error;
        }
    }
    return ::unlinkat(item.at(), item.entry(), AT_REMOVEDIR) == 0 ? 0 : errno;
}

}  // namespace foundation
