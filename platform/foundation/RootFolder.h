#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/FileLocation.h"

namespace foundation {

// The folder that stands for the device's "/", opened for one operation of the file manager.
// Every device path is resolved through it as if it were the whole file system: ".." stops
// at it and a link's absolute target starts from it, so neither a path nor a link planted
// inside reaches outside it. The kernel resolves so itself (openat2 with RESOLVE_IN_ROOT);
// where it cannot, the path is walked one component at a time, each link read and followed
// the same way. Every operation returns 0 or a system error number.
class RootFolder final {
  public:
    explicit RootFolder(const std::filesystem::path& host);

    int error() const { return error_; }
    const FileDescriptor& descriptor() const { return *root_; }

    // A device path's components with "." and ".." settled lexically, never above the root.
    static std::vector<std::string> components(std::string_view devicePath);

    // Opens what a device path names, following links; `flags` as for open(2), O_CREAT aside.
    int open(std::string_view devicePath, int flags, FileDescriptor& opened) const;
    // The same without the kernel's help, as open() falls back to.
    int openByWalking(std::string_view devicePath, int flags, FileDescriptor& opened) const;
    // The entry a device path names, a link at its end not followed: its folder, opened, and
    // its name there. The root itself is the entry "." of itself. A folder is opened once
    // for all the entries located in it, as a copy of many files wants.
    int locate(std::string_view devicePath, FileLocation& location) const;

  private:
    int walk(std::vector<std::string> rest, int flags, FileDescriptor& opened) const;

    std::shared_ptr<const FileDescriptor> root_;
    int error_ = 0;
    mutable std::map<std::string, std::shared_ptr<const FileDescriptor>, std::less<>> folders_;
};

}  // namespace foundation
