#include "platform/foundation/FileManager.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/FileError.h"
#include "platform/foundation/FileTree.h"
#include "platform/foundation/RootFolder.h"

namespace foundation {

namespace {

constexpr mode_t newFolderMode = 0755;

// A path with a NUL byte would silently name a shorter path in every system call.
bool unusable(std::string_view path) {
    return path.find('\0') != std::string_view::npos;
}

// A name that stays inside its folder: no separator, and neither "." nor "..".
bool isSingleEntry(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && !unusable(name) &&
           name.find('/') == std::string_view::npos;
}

// A file system may hold seconds beyond what a time point counts in microseconds; such a
// date gives nothing, to be reported as too large rather than wrapped or cut to fit.
std::optional<FileAttributes> attributesFromStatus(const struct stat& info) {
    using namespace std::chrono;
    constexpr auto latest = duration_cast<seconds>(TimePoint::duration::max()).count() - 1;
    if (info.st_mtim.tv_sec > latest || info.st_mtim.tv_sec < -latest) {
        return std::nullopt;
    }
    FileAttributes attributes;
    attributes.modificationDate = TimePoint(seconds(info.st_mtim.tv_sec)) +
                                  duration_cast<microseconds>(nanoseconds(info.st_mtim.tv_nsec));
    attributes.size = static_cast<std::uint64_t>(info.st_size);
    attributes.isDirectory = S_ISDIR(info.st_mode);
    return attributes;
}

// The entry's own status, a link at the end not followed.
int entryStatus(const RootFolder& root, std::string_view path, struct stat& info) {
    FileLocation location;
    if (int error = root.locate(path, location)) {
        return error;
    }
    return ::fstatat(location.at(), location.entry(), &info, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
}

}  // namespace

FileManager& FileManager::defaultManager() {
    static FileManager manager;
    return manager;
}

void FileManager::setRoot(std::filesystem::path root) {
    root_ = std::move(root);
}

void FileManager::setFaultHook(FaultHook hook) {
    faultHook_ = std::move(hook);
}

std::optional<int> FileManager::injectedFault(FaultKind kind, std::string_view path) const {
    if (!faultHook_) {
        return std::nullopt;
    }
    return faultHook_(kind, path);
}

std::filesystem::path FileManager::hostPath(std::string_view devicePath) const {
    std::filesystem::path result = root_;
    for (const auto& component : RootFolder::components(devicePath)) {
        result /= component;
    }
    return result;
}

bool FileManager::fileExists(std::string_view path) const {
    struct stat info;
    return !unusable(path) && entryStatus(RootFolder(root_), path, info) == 0;
}

bool FileManager::fileExists(std::string_view path, bool& isDirectory) const {
    isDirectory = false;
    if (!fileExists(path)) {
        return false;
    }
    FileDescriptor followed;
    struct stat info;
    isDirectory = RootFolder(root_).open(path, O_PATH, followed) == 0 &&
                  ::fstat(followed.get(), &info) == 0 && S_ISDIR(info.st_mode);
    return true;
}

Result<void> FileManager::createDirectory(std::string_view path,
                                          bool withIntermediateDirectories) const {
    if (unusable(path)) {
        return FileError::creating(path, EINVAL);
    }
    RootFolder root(root_);
    if (!withIntermediateDirectories) {
        return makeFolder(root, path, path, false);
    }
    std::string devicePrefix;
    auto components = RootFolder::components(path);
    for (std::size_t i = 0; i < components.size(); ++i) {
        devicePrefix += "/" + components[i];
        FileDescriptor existing;
        struct stat info;
        if (root.open(devicePrefix, O_PATH, existing) == 0 && ::fstat(existing.get(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) {
                return FileError::creating(path, i + 1 < components.size() ? ENOTDIR : EEXIST);
            }
            continue;
        }
        if (auto made = makeFolder(root, devicePrefix, path, true); !made) {
            return made;
        }
    }
    return {};
}

// Makes one folder; `reported` is the path an error names.
Result<void> FileManager::makeFolder(const RootFolder& root, std::string_view folder,
                                     std::string_view reported, bool mayExist) const {
    if (auto fault = injectedFault(FaultKind::createDirectory, folder)) {
        return FileError::creating(reported, *fault);
    }
    FileLocation location;
    int error = root.locate(folder, location);
    if (error == 0 && ::mkdirat(location.at(), location.entry(), newFolderMode) != 0) {
        error = errno == EEXIST && mayExist ? 0 : errno;
    }
    return error == 0 ? Result<void>{} : FileError::creating(reported, error);
}

std::optional<std::vector<std::string>> FileManager::contentsOfDirectory(
    std::string_view path) const {
    FileDescriptor folder;
    if (unusable(path) || RootFolder(root_).open(path, O_PATH | O_DIRECTORY, folder) != 0) {
        return std::nullopt;
    }
    return FileTree::names(folder.get());
}

Result<FileAttributes> FileManager::attributesOfItem(std::string_view path) const {
    struct stat info;
    if (unusable(path)) {
        return FileError::inspecting(path, EINVAL);
    }
    if (int error = entryStatus(RootFolder(root_), path, info)) {
        return FileError::inspecting(path, error);
    }
    auto attributes = attributesFromStatus(info);
    return attributes ? Result<FileAttributes>(*attributes)
                      : FileError::inspecting(path, EOVERFLOW);
}

std::vector<Result<FileAttributes>> FileManager::attributesOfItems(
    std::string_view folder, const std::vector<std::string>& names) const {
    FileDescriptor opened;
    int folderError = EINVAL;
    if (!unusable(folder)) {
        folderError = RootFolder(root_).open(folder, O_PATH | O_DIRECTORY, opened);
    }
    std::vector<Result<FileAttributes>> results;
    results.reserve(names.size());
    for (const std::string& name : names) {
        struct stat info;
        int error = folderError != 0 ? folderError : (isSingleEntry(name) ? 0 : EINVAL);
        if (error == 0 && ::fstatat(opened.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            error = errno;
        }
        std::optional<FileAttributes> attributes;
        if (error == 0 && !(attributes = attributesFromStatus(info))) {
            error = EOVERFLOW;
        }
        if (attributes) {
            results.emplace_back(*attributes);
        } else {
            results.emplace_back(
                FileError::inspecting(appendingPathComponent(folder, name), error));
        }
    }
    return results;
}

Result<std::string> FileManager::contentsOfFile(std::string_view path,
                                                std::uint64_t maxBytes) const {
    if (unusable(path)) {
        return FileError::reading(path, EINVAL);
    }
    // Non-blocking, so that a pipe planted at the path cannot stall the reader.
    FileDescriptor file;
    struct stat info;
    if (int error = RootFolder(root_).open(path, O_RDONLY | O_NONBLOCK, file)) {
        return FileError::reading(path, error);
    }
    if (::fstat(file.get(), &info) != 0) {
        return FileError::reading(path, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return FileError::reading(path, S_ISDIR(info.st_mode) ? EISDIR : ENOTSUP);
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        return FileError::reading(path, EFBIG);
    }
    std::string contents;
    char buffer[1 << 16];
    for (;;) {
        ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return FileError::reading(path, errno);
        }
        if (got == 0) {
            return contents;
        }
        // The file may have grown since it was measured.
        if (contents.size() + static_cast<std::size_t>(got) > maxBytes) {
            return FileError::reading(path, EFBIG);
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace foundation
