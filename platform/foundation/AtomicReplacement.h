#pragma once

#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string_view>

#include "platform/foundation/FileTree.h"
#include "platform/foundation/RootFolder.h"
#include "platform/foundation/TemporarySibling.h"

namespace foundation {

// Replaces one item in a single rename, so that a reader sees either the old item or the
// new one and a failure at any step leaves the old item as it was and no temporary behind.
// The replacement is built beside the target (a rename cannot cross file systems) and
// flushed to disk before the rename. It keeps the replaced item's owner and permissions,
// so that a tweak running as another user can still read its rewritten settings; a new
// item gets the owner of its folder. Every operation returns 0 or a system error number.
//
// A copy may also be split in two, so that many copies share one wait for the disk: stage()
// builds the replacement, the caller waits for it to be written, and commit() renames it over
// the target. Until
// commit() the target is untouched; a staged replacement that is never committed is removed
// when the object goes.
class AtomicReplacement final {
  public:
    // `root` resolves a link among the sources, to tell whether it leads to the target.
    AtomicReplacement(FileLocation target, FaultHook fault, std::shared_ptr<const RootFolder> root);

    int copyFrom(const FileLocation& source);
    int write(std::string_view contents) const;

    // Copies `source` beside the target; `flush` says how each copied file reaches the disk.
    int stage(const FileLocation& source, FileTree::Flush flush);
    // The staged item; only meaningful after a successful stage().
    const FileLocation& staged() const { return staged_; }
    // Renames the staged item over the target; the target's folder is not flushed.
    int commit();

    const FileLocation& target() const { return target_; }
    static void syncFolder(int folder);

  private:
    int stageFile(const FileLocation& source, const FileTree& tree);
    int stageTree(const FileLocation& source, const struct stat& info, const FileTree& tree);
    int swapInto() const;
    FileOwner newOwner() const;
    int injected(FaultKind kind) const;

    FileLocation target_;
    FaultHook fault_;
    std::shared_ptr<const RootFolder> root_;
    std::optional<struct stat> replaced_;
    std::unique_ptr<TemporarySibling> temporary_;
    FileLocation staged_;
    bool stagedFolder_ = false;
    bool stagedFile_ = false;
};

}  // namespace foundation
