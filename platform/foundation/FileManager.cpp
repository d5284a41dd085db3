#include "platform/foundation/FileManager.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/foundation/AtomicReplacement.h"
#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/FileError.h"
#include "platform/foundation/FileTree.h"
#include "platform/foundation/ReplacementBatch.h"

namespace foundation {

namespace {

constexpr mode_t newFolderMode = 0755;

std::vector<std::string> normalisedComponents(std::string_view devicePath) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= devicePath.size()) {
        std::size_t end = devicePath.find('/', start);
        if (end == std::string_view::npos) {
            end = devicePath.size();
        }
        std::string_view part = devicePath.substr(start, end - start);
        if (part == "..") {
            if (!components.empty()) {
                components.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            components.emplace_back(part);
        }
        start = end + 1;
    }
    return components;
}

// A path with a NUL byte would silently name a shorter path in every system call.
bool unusable(std::string_view path) {
    return path.find('\0') != std::string_view::npos;
}

// A name that stays inside its folder: no separator, and neither "." nor "..".
bool isSingleEntry(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && !unusable(name) &&
           name.find('/') == std::string_view::npos;
}

FileAttributes attributesFromStatus(const struct stat& info) {
    using namespace std::chrono;
    auto sinceEpoch = seconds(info.st_mtim.tv_sec) + nanoseconds(info.st_mtim.tv_nsec);
    FileAttributes attributes;
    attributes.modificationDate =
        system_clock::time_point(duration_cast<system_clock::duration>(sinceEpoch));
    attributes.size = static_cast<std::uint64_t>(info.st_size);
    attributes.isDirectory = S_ISDIR(info.st_mode);
    return attributes;
}

// Copying a folder into its own subtree would never end.
bool strictlyInside(const std::filesystem::path& item, const std::filesystem::path& folder) {
    std::error_code ignored;
    auto inner = std::filesystem::weakly_canonical(item, ignored);
    auto outer = std::filesystem::weakly_canonical(folder, ignored);
    auto [outerEnd, innerAt] =
        std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
    return outerEnd == outer.end() && innerAt != inner.end();
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
    for (const auto& component : normalisedComponents(devicePath)) {
        result /= component;
    }
    return result;
}

bool FileManager::fileExists(std::string_view path) const {
    struct stat info;
    return !unusable(path) && ::lstat(hostPath(path).c_str(), &info) == 0;
}

bool FileManager::fileExists(std::string_view path, bool& isDirectory) const {
    isDirectory = false;
    if (!fileExists(path)) {
        return false;
    }
    struct stat info;
    isDirectory = ::stat(hostPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    return true;
}

Result<void> FileManager::createDirectory(std::string_view path,
                                          bool withIntermediateDirectories) const {
    if (unusable(path)) {
        return FileError::creating(path, EINVAL);
    }
    if (!withIntermediateDirectories) {
        if (auto fault = injectedFault(FaultKind::createDirectory, path)) {
            return FileError::creating(path, *fault);
        }
        if (::mkdir(hostPath(path).c_str(), newFolderMode) != 0) {
            return FileError::creating(path, errno);
        }
        return {};
    }
    std::string devicePrefix;
    auto components = normalisedComponents(path);
    for (std::size_t i = 0; i < components.size(); ++i) {
        devicePrefix += "/" + components[i];
        auto host = hostPath(devicePrefix);
        struct stat info;
        if (::stat(host.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) {
                return FileError::creating(path, i + 1 < components.size() ? ENOTDIR : EEXIST);
            }
            continue;
        }
        if (auto fault = injectedFault(FaultKind::createDirectory, devicePrefix)) {
            return FileError::creating(path, *fault);
        }
        if (::mkdir(host.c_str(), newFolderMode) != 0 && errno != EEXIST) {
            return FileError::creating(path, errno);
        }
    }
    return {};
}

std::optional<std::vector<std::string>> FileManager::contentsOfDirectory(
    std::string_view path) const {
    if (unusable(path)) {
        return std::nullopt;
    }
    return FileTree::names(hostPath(path));
}

Result<FileAttributes> FileManager::attributesOfItem(std::string_view path) const {
    struct stat info;
    if (unusable(path)) {
        return FileError::inspecting(path, EINVAL);
    }
    if (::lstat(hostPath(path).c_str(), &info) != 0) {
        return FileError::inspecting(path, errno);
    }
    return attributesFromStatus(info);
}

std::vector<Result<FileAttributes>> FileManager::attributesOfItems(
    std::string_view folder, const std::vector<std::string>& names) const {
    FileDescriptor opened;
    int folderError = EINVAL;
    if (!unusable(folder)) {
        opened =
            FileDescriptor(::open(hostPath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        folderError = opened.valid() ? 0 : errno;
    }
    std::vector<Result<FileAttributes>> results;
    results.reserve(names.size());
    for (const std::string& name : names) {
        struct stat info;
        int error = folderError != 0 ? folderError : (isSingleEntry(name) ? 0 : EINVAL);
        if (error == 0 && ::fstatat(opened.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            error = errno;
        }
        if (error == 0) {
            results.emplace_back(attributesFromStatus(info));
        } else {
            results.emplace_back(
                FileError::inspecting(appendingPathComponent(folder, name), error));
        }
    }
    return results;
}

Result<void> FileManager::removeItem(std::string_view path) const {
    if (unusable(path)) {
        return FileError::removing(path, EINVAL);
    }
    FileTree tree(faultHook_);
    if (int error = tree.remove({hostPath(path), std::string(path)})) {
        return FileError::removing(path, error);
    }
    return {};
}

Result<void> FileManager::copyItem(std::string_view from, std::string_view to) const {
    if (unusable(from) || unusable(to)) {
        return FileError::copying(from, to, EINVAL);
    }
    FileLocation source{hostPath(from), std::string(from)};
    FileLocation target{hostPath(to), std::string(to)};
    struct stat info;
    if (::lstat(target.host.c_str(), &info) == 0) {
        return FileError::copying(from, to, EEXIST);
    }
    if (strictlyInside(target.host, source.host)) {
        return FileError::copying(from, to, FileError::intoItself);
    }
    FileTree tree(faultHook_);
    if (::stat(target.host.parent_path().c_str(), &info) == 0) {
        tree.setOwner(FileOwner{info.st_uid, info.st_gid});
    }
    if (int error = tree.copy(source, target)) {
        return FileError::copying(from, to, error);
    }
    return {};
}

// The checks a replacing copy makes before it touches anything: 0 or the error to report.
int FileManager::checkedCopy(std::string_view from, std::string_view to) const {
    if (unusable(from) || unusable(to)) {
        return EINVAL;
    }
    // Only a folder can be copied into itself; resolving both paths costs more than the copy.
    struct stat info;
    std::filesystem::path source = hostPath(from);
    if (::lstat(source.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) {
        return 0;
    }
    return strictlyInside(hostPath(to), source) ? FileError::intoItself : 0;
}

Result<void> FileManager::copyItemReplacing(std::string_view from, std::string_view to) const {
    if (int error = checkedCopy(from, to)) {
        return FileError::copying(from, to, error);
    }
    AtomicReplacement replacement({hostPath(to), std::string(to)}, faultHook_);
    if (int error = replacement.copyFrom({hostPath(from), std::string(from)})) {
        return FileError::copying(from, to, error);
    }
    return {};
}

std::vector<Result<void>> FileManager::copyItemsReplacing(
    const std::vector<std::pair<std::string, std::string>>& fromTo) const {
    ReplacementBatch batch(faultHook_);
    std::vector<int> errors(fromTo.size(), 0);
    std::vector<std::size_t> staged;
    for (std::size_t index = 0; index < fromTo.size(); ++index) {
        const auto& [from, to] = fromTo[index];
        errors[index] = checkedCopy(from, to);
        if (errors[index] == 0) {
            errors[index] = batch.stage({hostPath(from), from}, {hostPath(to), to});
        }
        if (errors[index] == 0) {
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

Result<void> FileManager::writeAtomically(std::string_view path, std::string_view contents) const {
    if (unusable(path)) {
        return FileError::saving(path, EINVAL);
    }
    AtomicReplacement replacement({hostPath(path), std::string(path)}, faultHook_);
    if (int error = replacement.write(contents)) {
        return FileError::saving(path, error);
    }
    return {};
}

Result<std::string> FileManager::contentsOfFile(std::string_view path,
                                                std::uint64_t maxBytes) const {
    if (unusable(path)) {
        return FileError::reading(path, EINVAL);
    }
    // Non-blocking, so that a pipe planted at the path cannot stall the reader.
    FileDescriptor file(::open(hostPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info;
    if (!file.valid() || ::fstat(file.get(), &info) != 0) {
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
