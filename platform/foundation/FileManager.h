#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/foundation/FaultHook.h"
#include "platform/foundation/Result.h"
#include "platform/foundation/TimePoint.h"

namespace foundation {

class RootFolder;
struct FileLocation;

struct FileAttributes {
    TimePoint modificationDate;
    std::uint64_t size = 0;
    bool isDirectory = false;
};

// Who owns an entry, what it is and which file it is, never following a link: what keeping a
// file aside and putting it back exactly need.
struct ItemStatus {
    enum class Type { file, folder, link, other };
    Type type = Type::other;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    std::uint32_t mode = 0;  // the permission bits, set-id and sticky bits included

    bool isSameItem(const ItemStatus& other) const {
        return device == other.device && inode == other.inode;
    }
};

// The device's file system. Every path the system uses is the device's absolute path
// ("/var/mobile/Kelvora/..."); the manager maps it under a root folder chosen by the host
// ("/" on a device, the simulator's folder on the desktop, a temporary folder in tests).
// A path is normalised lexically, then resolved as if the root were "/": ".." stops at the
// root and a link's absolute target starts from it, so neither a path nor a link planted
// inside the root reaches outside it. Failures come back as errors whose description names
// the operation and the path (the device path, never the host path) and the system's reason.
//
// Limits: nothing outside the root is ever read, written, listed, created or removed; a
// link that leads out of it leads to the item of that name inside it instead, usually none.
// Links within the root are followed as on the device, except by copies and removals, which
// copy or remove the link itself: a copied link keeps its text, so a relative one may lead
// elsewhere from its new folder. Pipes, sockets and devices are not copied (reading them
// could block), and a path holding a NUL byte is refused rather than cut short.
class FileManager final {
  public:
    static FileManager& defaultManager();

    void setRoot(std::filesystem::path root);
    const std::filesystem::path& root() const { return root_; }
    // Where a device path lies under the root when no link is on the way: for tests and
    // tools that prepare a root, never for the system's own reads and writes.
    std::filesystem::path hostPath(std::string_view devicePath) const;

    void setFaultHook(FaultHook hook);

    // True when any entry (file, folder, or a link, even a broken one) is at the path.
    bool fileExists(std::string_view path) const;
    bool fileExists(std::string_view path, bool& isDirectory) const;

    // Without intermediate folders it fails when the folder exists or its parent is missing.
    Result<void> createDirectory(std::string_view path, bool withIntermediateDirectories) const;
    // Names of the direct entries, hidden ones included, in no defined order; nothing for a
    // missing or unreadable folder.
    std::optional<std::vector<std::string>> contentsOfDirectory(std::string_view path) const;
    Result<FileAttributes> attributesOfItem(std::string_view path) const;
    // The attributes of each named entry of one folder, in the order named: one look-up of
    // the folder for all of them, as a listing of thousands of files wants. A name must be a
    // single entry of that folder, not a path.
    std::vector<Result<FileAttributes>> attributesOfItems(
        std::string_view folder, const std::vector<std::string>& names) const;

    // Copies a file, or a folder with its contents; fails when anything exists at `to`.
    Result<void> copyItem(std::string_view from, std::string_view to) const;
    // Copies to a temporary name beside `to`, then renames it over `to`, so a failed copy
    // leaves whatever was at `to` untouched and no temporary file behind. A replaced file's
    // owner and permissions are kept; a new file gets its folder's owner. A source that is
    // the same file as the target is left alone and reported as an error.
    Result<void> copyItemReplacing(std::string_view from, std::string_view to) const;
    // Each pair (from, to) as copyItemReplacing, one result per pair in order, but with one
    // wait for the disk for the whole batch instead of one flush per file: every copy is built
    // beside its target first, all of them are written out at once, then each is renamed over
    // its target in order. A crash at any point leaves each target either old or new on a
    // journalled file system, never torn; a pair that fails leaves its target untouched and
    // no temporary behind, and the others still land. Sources are read before any target is
    // replaced.
    std::vector<Result<void>> copyItemsReplacing(
        const std::vector<std::pair<std::string, std::string>>& fromTo) const;
    // Removes a file, or a folder with its contents.
    Result<void> removeItem(std::string_view path) const;

    // Reads a whole regular file of at most `maxBytes`; larger files and folders are errors.
    Result<std::string> contentsOfFile(std::string_view path, std::uint64_t maxBytes) const;
    // Writes through a temporary file in the same folder, flushed to disk before it is
    // renamed over the target: a reader sees the old contents or the new, never a part.
    Result<void> writeAtomically(std::string_view path, std::string_view contents) const;

    // Keeping files aside cheaply (FileManagerLinks.cpp).
    Result<ItemStatus> statusOfItem(std::string_view path) const;
    // Makes `to` (where nothing may exist yet) a hard link of the entry at `from`, a link
    // itself included, so that it keeps bytes, owner, mode and times by nature. Where the file
    // system cannot link (another volume, a folder, links refused) it makes a copy instead,
    // with the same mode, times and (as far as the process may give files away) owner, and
    // writes it through to the disk before returning.
    Result<void> linkOrCopyItem(std::string_view from, std::string_view to) const;
    // Gives an entry (never a link's target) this owner and these permission bits.
    Result<void> setOwnerAndMode(std::string_view path, const ItemStatus& like) const;
    // Waits until a file's data, or a folder's own entries (not what is inside them), are on
    // the disk.
    Result<void> synchronizeItem(std::string_view path) const;

  private:
    Result<void> makeFolder(const RootFolder& root, std::string_view folder,
                            std::string_view reported, bool mayExist) const;
    int checkedCopy(const RootFolder& root, const FileLocation& from, const FileLocation& to) const;
    std::optional<int> injectedFault(FaultKind kind, std::string_view path) const;
    Result<void> synchronizeTree(std::string_view path) const;

    std::filesystem::path root_ = "/";
    FaultHook faultHook_;
};

// Joins with exactly one "/" between folder and name, whether or not the folder ends in one.
std::string appendingPathComponent(std::string_view folder, std::string_view name);
std::string lastPathComponent(std::string_view path);
// The extension without its dot ("plist" for "a.b.plist"), empty when there is none.
std::string pathExtension(std::string_view path);

}  // namespace foundation
