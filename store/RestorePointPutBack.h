#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/FileManager.h"
#include "store/RestorePoint.h"

namespace kelvora {

// What putting a restore point back did.
struct PutBackResult final {
    std::size_t putBack = 0;            // entries now as they were before the restore
    std::vector<std::string> failures;  // one sentence for each entry that is not, naming it
    std::string point;  // the restore point the put back itself left; empty if it changed nothing

    bool succeeded() const { return failures.empty(); }
};

// Undoes a restore from its point, and is itself a restore: before it changes anything it
// leaves a point of its own, so that it can be undone in turn. Each replaced entry goes back
// atomically (a copy beside it renamed over it) with the bytes, owner, mode and date the point
// kept; an entry the restore added is removed only while it still has the digest of what the
// restore wrote, and kept (and named) otherwise. An entry still as it was is left alone.
//
// A manifest is not trusted: an entry naming anything but a tweak's file directly in the
// Preferences folder ("..", another folder, the app's own files), a kept item that is a link,
// and a kept file that is missing are refused one by one, never followed.
class RestorePointPutBack final {
  public:
    static PutBackResult run(const RestorePoint& point);

  private:
    // One entry to change: its kept copy goes back over it, or without one it is removed.
    struct Step final {
        std::string target;
        std::optional<std::string> kept;
        foundation::ItemStatus keptStatus;
    };
    struct Plan final {
        std::vector<Step> steps;
        std::size_t alreadyBack = 0;
        std::vector<std::string> refused;
    };

    static Plan plan(const RestorePoint& point);
    static std::optional<std::string> planReplaced(const RestorePoint& point,
                                                   const RestorePointEntry& entry, Plan& plan);
    static std::optional<std::string> planAdded(const RestorePointEntry& entry, Plan& plan);
    static void write(const std::vector<Step>& steps, PutBackResult& result);
    static void remove(const std::vector<Step>& steps, PutBackResult& result);
};

}  // namespace kelvora
