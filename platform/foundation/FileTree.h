#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/FaultHook.h"
#include "platform/foundation/FileLocation.h"

namespace foundation {

// The owner given to what a copy creates.
struct FileOwner {
    uid_t uid = 0;
    gid_t gid = 0;
};

// Recursive copy and removal, each folder opened once and its entries named through it.
// Links are copied and removed as links, never followed, so a link inside a folder cannot
// drag a copy or a removal outside it. Both return 0 or the system error number of the
// first failure.
class FileTree final {
  public:
    explicit FileTree(FaultHook fault) : fault_(std::move(fault)) {}

    // Gives every created item this owner; the change is best effort, since only the
    // superuser may give files away.
    void setOwner(std::optional<FileOwner> owner) { owner_ = owner; }
    // How each copied file reaches the disk, for copies that replace something afterwards:
    // flushed before the copy returns, or only sent on its way so that the caller can wait
    // for many at once.
    enum class Flush { none, now, started };
    void setFlush(Flush flush) { flush_ = flush; }

    // Copies to a path where nothing exists yet; on failure removes what it created.
    int copy(const FileLocation& from, const FileLocation& to) const;
    int remove(const FileLocation& item) const;
    // Copies a regular file's contents, times and mode (or `mode` where given) into an open
    // file; `device` names the item that file stands in for, for the fault hook.
    int copyFileInto(const FileLocation& from, const std::string& device, int out,
                     std::optional<mode_t> mode) const;

    // Names in an open folder except "." and "..", or nothing when it cannot be read.
    static std::optional<std::vector<std::string>> names(int folder);

  private:
    int copyItem(const FileLocation& from, const FileLocation& to) const;
    int copyFile(const FileLocation& from, const FileLocation& to, const struct stat& info) const;
    int fillFile(int in, int out, const std::string& device, const struct stat& info,
                 mode_t mode) const;
    int copyData(int in, int out, const std::string& device) const;
    int copyFolder(const FileLocation& from, const FileLocation& to, const struct stat& info) const;
    int copyLink(const FileLocation& from, const FileLocation& to) const;
    int injected(FaultKind kind, const std::string& device) const;

    FaultHook fault_;
    std::optional<FileOwner> owner_;
    Flush flush_ = Flush::none;
};

}  // namespace foundation
