#pragma once

#include <sys/stat.h>

#include <optional>
#include <string_view>

#include "platform/foundation/FileTree.h"

namespace foundation {

// Replaces one item in a single rename, so that a reader sees either the old item or the
// new one and a failure at any step leaves the old item as it was and no temporary behind.
// The replacement is built beside the target (a rename cannot cross file systems) and
// flushed to disk before the rename. It keeps the replaced item's owner and permissions,
// so that a tweak running as another user can still read its rewritten settings; a new
// item gets the owner of its folder. Both operations return 0 or a system error number.
class AtomicReplacement final {
  public:
    AtomicReplacement(FileLocation target, FileTree::Fault fault);

    int copyFrom(const FileLocation& source) const;
    int write(std::string_view contents) const;

  private:
    int swapInto(const std::filesystem::path& staged, const std::filesystem::path& parking) const;
    FileOwner newOwner() const;
    int injected(FileOperation operation) const;
    void syncFolder() const;

    FileLocation target_;
    FileTree::Fault fault_;
    std::optional<struct stat> replaced_;
};

}  // namespace foundation
