#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Result.h"
#include "store/RestorePoint.h"

namespace kelvora {

// The restore points under /var/mobile/Kelvora/RestorePoints, one folder each, named by the
// time it was made in UTC ("20261206-133042.123"), so that names sort as the points were
// made. A point is made before a restore replaces anything: each entry the restore will
// write that exists is hard-linked into the point (a copy only where no link can be made),
// each one that does not is recorded with the digest of what will be written there. The
// point is on the disk, manifest included, before it is handed back, so a crash at any later
// moment leaves a point that undoes whatever the restore had done by then. The newest
// `kKept` points are kept; older ones go when a newer one is made.
class RestorePoints final {
  public:
    static constexpr std::string_view kFolder = "/var/mobile/Kelvora/RestorePoints";
    static constexpr std::size_t kKept = 10;

    // One entry a restore is about to write: its path in the Preferences folder and what it
    // will copy there (nothing for an entry it will remove).
    struct Change final {
        std::string target;
        std::optional<std::string> source;
    };

    // Keeps the targets of `changes` as they are now, in a new point that names `restored`.
    // On failure nothing of the point is left and the error says why.
    static foundation::Result<RestorePoint> make(const std::string& restored,
                                                 const std::vector<Change>& changes);
    // Every point, newest first; damaged ones among them.
    static std::vector<RestorePoint> list();
    // Removes a point's folder; only a folder directly inside the restore points folder.
    static foundation::Result<void> remove(const RestorePoint& point);
    // Removes every point but the newest kKept.
    static void prune();

  private:
    static std::vector<std::string> names();
    static std::string newName(const std::vector<std::string>& existing);
    static foundation::Result<void> keep(const RestorePoint& point, const Change& change,
                                         RestorePointEntry& entry);
    static foundation::Result<void> fill(RestorePoint& point, const std::vector<Change>& changes);
};

}  // namespace kelvora
