#pragma once

#include <vector>

#include "platform/foundation/AtomicReplacement.h"

namespace foundation {

// Replacing copies of many items that share one flush to disk instead of one per file. Every
// item is first copied beside its target, then everything staged is flushed at once, then
// each item is renamed over its target in the order staged, and each target folder is
// flushed once. A crash at any point leaves every target either old or new, never torn: no
// target is touched before its replacement is on disk. Sources are read while staging, so an
// item whose source is an earlier item's target copies that target as it was before the batch.
class ReplacementBatch final {
  public:
    explicit ReplacementBatch(FileTree::Fault fault) : fault_(std::move(fault)) {}

    // Copies `source` beside `target`; 0, or the error of an item left out of the batch.
    int stage(const FileLocation& source, const FileLocation& target);
    // Flushes and renames every staged item; one result per staged item, in order.
    std::vector<int> commit();

  private:
    std::vector<int> flush() const;

    FileTree::Fault fault_;
    std::vector<AtomicReplacement> staged_;
};

}  // namespace foundation
