#pragma once

#include <vector>

#include "platform/foundation/AtomicReplacement.h"

namespace foundation {

// Replacing copies of many items that wait for the disk once instead of once per file. Every
// item is first copied beside its target and its data sent to the disk; before the first
// rename the batch waits until all of it is written; then each item is renamed over its
// target in the order staged, and each target folder is flushed once. The wait covers the
// batch's own files only: flushing the whole file system instead would wait for whatever
// else the machine is writing. A file system that orders a rename after the creation of what
// it names (a journalled one) thus leaves every target old or new after a crash, never torn:
// no target is touched before its replacement's data is on disk. Sources are read while
// staging, so an item whose source is an earlier item's target copies that target as it was
// before the batch.
class ReplacementBatch final {
  public:
    ReplacementBatch(FaultHook fault, std::shared_ptr<const RootFolder> root)
        : fault_(std::move(fault)), root_(std::move(root)) {}

    // Copies `source` beside `target`; 0, or the error of an item left out of the batch.
    int stage(const FileLocation& source, const FileLocation& target);
    // Flushes and renames every staged item; one result per staged item, in order.
    std::vector<int> commit();

  private:
    std::vector<int> waitUntilWritten() const;

    FaultHook fault_;
    std::shared_ptr<const RootFolder> root_;
    std::vector<AtomicReplacement> staged_;
};

}  // namespace foundation
