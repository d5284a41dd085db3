#include "platform/foundation/RootFolder.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>

namespace foundation {

namespace {

// As many links as the kernel follows in one path before it gives up.
constexpr int maximumLinks = 40;
// A rename racing with ".." makes the kernel refuse rather than risk an escape; it is asked
// again this many times.
constexpr int renameRetries = 8;

// Until a kernel says it has no openat2.
std::atomic<bool> kernelResolves{true};

std::vector<std::string> split(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start) {
            parts.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

std::string joined(const std::vector<std::string>& components) {
    std::string path = ".";
    for (const auto& component : components) {
        path += "/" + component;
    }
    return path;
}

int linkText(int link, std::string& text) {
    std::array<char, PATH_MAX> buffer;
    ssize_t length = ::readlinkat(link, "", buffer.data(), buffer.size());
    if (length < 0) {
        return errno;
    }
    if (static_cast<std::size_t>(length) >= buffer.size()) {
        return ENAMETOOLONG;
    }
    text.assign(buffer.data(), static_cast<std::size_t>(length));
    return 0;
}

}  // namespace

RootFolder::RootFolder(const std::filesystem::path& host) {
    FileDescriptor root(::open(host.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    error_ = root.valid() ? 0 : errno;
    root_ = std::make_shared<const FileDescriptor>(std::move(root));
}

std::vector<std::string> RootFolder::components(std::string_view devicePath) {
    std::vector<std::string> components;
    for (auto& part : split(devicePath)) {
        if (part == "..") {
            if (!components.empty()) {
                components.pop_back();
            }
        } else if (part != ".") {
            components.push_back(std::move(part));
        }
    }
    return components;
}

int RootFolder::open(std::string_view devicePath, int flags, FileDescriptor& opened) const {
    if (error_ != 0) {
        return error_;
    }
    std::vector<std::string> parts = components(devicePath);
    if (kernelResolves.load(std::memory_order_relaxed)) {
        open_how how{};
        how.flags = static_cast<std::uint64_t>(flags | O_CLOEXEC);
        how.resolve = RESOLVE_IN_ROOT | RESOLVE_NO_MAGICLINKS;
        std::string relative = joined(parts);
        for (int attempt = 0; attempt <= renameRetries; ++attempt) {
            long descriptor =
                ::syscall(SYS_openat2, root_->get(), relative.c_str(), &how, sizeof how);
            if (descriptor >= 0) {
                opened = FileDescriptor(static_cast<int>(descriptor));
                return 0;
            }
            if (errno != EAGAIN && errno != EINTR) {
                break;
            }
        }
        if (errno != ENOSYS) {
            return errno;
        }
        kernelResolves = false;
    }
    return walk({parts.rbegin(), parts.rend()}, flags, opened);
}

int RootFolder::openByWalking(std::string_view devicePath, int flags,
                              FileDescriptor& opened) const {
    if (error_ != 0) {
        return error_;
    }
    std::vector<std::string> parts = components(devicePath);
    return walk({parts.rbegin(), parts.rend()}, flags, opened);
}

// `rest` holds the components still to go, the next one last. Each is opened without
// following it; a link's text takes its place, starting again from the root when it is
// absolute. The folders entered are kept, so that ".." goes back to the folder the walk came
// from, which is the real parent, and never above the root.
int RootFolder::walk(std::vector<std::string> rest, int flags, FileDescriptor& opened) const {
    std::vector<FileDescriptor> entered;
    int links = 0;
    auto current = [&] { return entered.empty() ? root_->get() : entered.back().get(); };
    while (!rest.empty()) {
        std::string name = std::move(rest.back());
        rest.pop_back();
        if (name == ".." || name == ".") {
            if (name == ".." && !entered.empty()) {
                entered.pop_back();
            }
            continue;
        }
        FileDescriptor item(::openat(current(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat info;
        if (!item.valid() || ::fstat(item.get(), &info) != 0) {
            return errno;
        }
        bool follow = !rest.empty() || (flags & O_NOFOLLOW) == 0;
        if (S_ISLNK(info.st_mode) && follow) {
            std::string text;
            if (++links > maximumLinks) {
                return ELOOP;
            }
            if (int error = linkText(item.get(), text)) {
                return error;
            }
            if (text.starts_with('/')) {
                entered.clear();
            }
            auto parts = split(text);
            rest.insert(rest.end(), parts.rbegin(), parts.rend());
        } else if (!rest.empty()) {
            if (!S_ISDIR(info.st_mode)) {
                return ENOTDIR;
            }
            entered.push_back(std::move(item));
        } else {
            opened =
                FileDescriptor(::openat(current(), name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC));
            return opened.valid() ? 0 : errno;
        }
    }
    opened = FileDescriptor(::openat(current(), ".", flags | O_CLOEXEC));
    return opened.valid() ? 0 : errno;
}

int RootFolder::locate(std::string_view devicePath, FileLocation& location) const {
    if (error_ != 0) {
        return error_;
    }
    std::vector<std::string> parts = components(devicePath);
    location.device = std::string(devicePath);
    if (parts.empty()) {
        location.folder = root_;
        location.name = ".";
        return 0;
    }
    location.name = std::move(parts.back());
    parts.pop_back();
    if (parts.empty()) {
        location.folder = root_;
        return 0;
    }
    std::string path = joined(parts);
    if (auto found = folders_.find(path); found != folders_.end()) {
        location.folder = found->second;
        return 0;
    }
    FileDescriptor folder;
    if (int error = open(path, O_PATH | O_DIRECTORY, folder)) {
        return error;
    }
    location.folder = std::make_shared<const FileDescriptor>(std::move(folder));
    folders_.emplace(std::move(path), location.folder);
    return 0;
}

}  // namespace foundation
