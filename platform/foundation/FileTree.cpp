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

FileLocation FileLocation::child(const std::string& name) const {
    return {host / name, appendingPathComponent(device, name)};
}

int FileTree::injected(FaultKind kind, const std::string& device) const {
    if (!fault_) {
        return 0;
    }
    return fault_(kind, device).value_or(0);
}

std::optional<std::vector<std::string>> FileTree::names(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
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
    if (::lstat(to.host.c_str(), &existing) == 0) {
        return EEXIST;
    }
    int error = copyItem(from, to);
    if (error != 0) {
        // Only what this copy made is at `to`: nothing existed there before it started.
        struct stat info;
        if (::lstat(to.host.c_str(), &info) == 0) {
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
    if (::lstat(from.host.c_str(), &info) != 0) {
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
    FileDescriptor in(::open(from.host.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!in.valid()) {
        return errno;
    }
    FileDescriptor out(
        ::open(to.host.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
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
    FileDescriptor in(::open(from.host.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
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
    if (::mkdir(to.host.c_str(), 0700) != 0) {
        return errno;
    }
    auto entries = names(from.host);
    if (!entries) {
        return errno != 0 ? errno : EACCES;
    }
    for (const auto& name : *entries) {
        if (int error = copyItem(from.child(name), to.child(name))) {
            return error;
        }
    }
    if (owner_ && ::lchown(to.host.c_str(), owner_->uid, owner_->gid) != 0) {
        errno = 0;
    }
    if (::chmod(to.host.c_str(), info.st_mode & permissionBits) != 0) {
        return errno;
    }
    const std::array<timespec, 2> times{info.st_atim, info.st_mtim};
    return ::utimensat(AT_FDCWD, to.host.c_str(), times.data(), 0) == 0 ? 0 : errno;
}

int FileTree::copyLink(const FileLocation& from, const FileLocation& to) const {
    std::array<char, PATH_MAX> target;
    ssize_t length = ::readlink(from.host.c_str(), target.data(), target.size());
    if (length < 0) {
        return errno;
    }
    if (static_cast<std::size_t>(length) >= target.size()) {
        return ENAMETOOLONG;
    }
    std::string linkTarget(target.data(), static_cast<std::size_t>(length));
    if (::symlink(linkTarget.c_str(), to.host.c_str()) != 0) {
        return errno;
    }
    if (owner_ && ::lchown(to.host.c_str(), owner_->uid, owner_->gid) != 0) {
        errno = 0;
    }
    return 0;
}

int FileTree::remove(const FileLocation& item) const {
    if (int error = injected(FaultKind::remove, item.device)) {
        return error;
    }
    struct stat info;
    if (::lstat(item.host.c_str(), &info) != 0) {
        return errno;
    }
    if (S_ISDIR(info.st_mode)) {
        auto entries = names(item.host);
        if (!entries) {
            return errno != 0 ? errno : EACCES;
        }
        for (const auto& name : *entries) {
            if (int error = remove(item.child(name))) {
                return error;
            }
        }
        return ::rmdir(item.host.c_str()) == 0 ? 0 : errno;
    }
    return ::unlink(item.host.c_str()) == 0 ? 0 : errno;
}

}  // namespace foundation
