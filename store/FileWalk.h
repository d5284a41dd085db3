#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Result.h"

namespace kelvora {

// One name of a walk and what became of it.
struct FileWalkStep final {
    enum class Outcome { done, alreadyGone, failed };

    std::string target;  // the device path the step changed, or tried to
    Outcome outcome = Outcome::failed;
    std::string error;  // the failure's description, as an "Error" alert shows it
};

// How a walk ended.
struct FileWalkSummary final {
    std::size_t changed = 0;  // entries that changed on disk
    std::vector<FileWalkStep> failures;
    std::optional<FileWalkStep::Outcome> last;  // nothing when there was nothing to walk
    std::string restorePoint;  // the folder of the point a restore left; empty for other walks

    bool lastSucceeded() const { return last && *last != FileWalkStep::Outcome::failed; }
};

// The disk work that copying into a Setup, deleting from it, restoring it and restoring the
// original files share: the names in order, each one's outcome logged and reported, and on to
// the next name after a failure.
//
// Copies and restores go through the file manager's batch replacement, all of them before the
// walk reports on each in turn, so that the whole batch waits for the disk once; a copy that
// fails leaves the file at the target as it was (nothing is removed first), keeps a replaced
// file's owner and mode, and never removes a source that is the very file it would replace. A
// delete of a name that is already gone is reported as such and is no failure. Copies and
// restores skip what an interrupted copy left behind, and restores skip the app's own files.
//
// A restore first keeps what it will replace in a restore point named after what is restored;
// when no point can be made, it is the walk's one failure and nothing is replaced.
class FileWalk final {
  public:
    enum class Kind { copy, remove, restore };
    using StepObserver = std::function<void(const FileWalkStep&)>;

    // Copies each name from `fromFolder` into a Setup's folder `toFolder`.
    static FileWalk copy(std::string fromFolder, std::string toFolder,
                         std::vector<std::string> names);
    // Removes each name from `folder`.
    static FileWalk remove(std::string folder, std::vector<std::string> names);
    // Copies each name from `fromFolder` over its namesake in the Preferences folder `toFolder`;
    // `restored` says what, as restore points name it ("Setup <name>", "Original Files").
    static FileWalk restore(std::string fromFolder, std::string toFolder,
                            std::vector<std::string> names, std::string restored);

    Kind kind() const { return kind_; }

    // Runs the walk to its end at once, telling `observe` of each step as it is reported.
    FileWalkSummary run(const StepObserver& observe = {}) const;

  private:
    using Copies = std::vector<foundation::Result<void>>;

    FileWalk(Kind kind, std::string fromFolder, std::string toFolder,
             std::vector<std::string> names, std::string restored = {});

    std::vector<std::string> walkedNames() const;
    std::optional<FileWalkStep> keepRestorePoint(const std::vector<std::string>& names,
                                                 FileWalkSummary& summary) const;
    Copies copyAll(const std::vector<std::string>& names) const;
    FileWalkStep copyStep(const std::string& name, const foundation::Result<void>& copied,
                          bool isLast) const;
    FileWalkStep removeStep(const std::string& name) const;
    std::string target(const std::string& name) const;

    Kind kind_;
    std::string fromFolder_;
    std::string toFolder_;
    std::vector<std::string> names_;
    std::string restored_;
};

}  // namespace kelvora
