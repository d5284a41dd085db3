#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Result.h"
#include "platform/kit/ViewController.h"
#include "ui/SpinnerMessageView.h"

namespace kelvora {

// How a walk over a list of files ended, for the step that closes it.
struct FileOperationSummary final {
    // Entries that changed on disk.
    std::size_t changed = 0;
    std::size_t failed = 0;
    bool lastSucceeded = false;
};

// The walk that copying into a Setup, deleting from it and restoring it share: the names in
// order, the progress overlay while it works, an "Error" alert for each failure and on to the
// next name, and a closing step 0.2 s after the last one on the main queue's clock.
//
// Copies go through FileManager::copyItemsReplacing, all of them before the walk reports on
// each in turn, so that the whole batch waits for the disk once; a copy that fails leaves the file
// at the target as it was (nothing is removed first), keeps a replaced file's owner and mode, and
// never removes a source that is the very file it would replace.
//
// The closing step runs once, after the walk, whenever at least one entry changed on disk
// or the last entry of a delete was already gone: a screen must show what is on disk even
// when the last name failed. It is told how the walk went, so that a screen can keep its
// success message for walks in which nothing failed.
class FileOperation final {
  public:
    using Completion = std::function<void(const FileOperationSummary&)>;

    // Copies each name from `fromFolder` to `toFolder`, showing "Copying <target>".
    static FileOperation copy(std::string fromFolder, std::string toFolder,
                              std::vector<std::string> names);
    // Removes each name from `folder`; a name that is already gone is skipped silently.
    static FileOperation remove(std::string folder, std::vector<std::string> names);

    // Runs the walk to its end at once. Alerts are presented by `presenter`; `completion`
    // runs after the overlay is hidden again and should hold what it needs alive.
    void run(const std::shared_ptr<SpinnerMessageView>& overlay,
             const std::shared_ptr<kit::ViewController>& presenter, Completion completion) const;

  private:
    enum class Kind { copy, remove };
    enum class Outcome { done, alreadyGone, failed };
    struct Step {
        Outcome outcome;
        std::string error;
    };

    FileOperation(Kind kind, std::string fromFolder, std::string toFolder,
                  std::vector<std::string> names);

    using Copies = std::vector<foundation::Result<void>>;

    Copies copyAll() const;
    Outcome runOne(std::size_t index, const Copies& copies, SpinnerMessageView& overlay,
                   const std::shared_ptr<kit::ViewController>& presenter) const;
    Step copyOne(const std::string& name, const foundation::Result<void>& copied, bool isLast,
                 SpinnerMessageView& overlay) const;
    Step removeOne(const std::string& name, SpinnerMessageView& overlay) const;
    std::string target(const std::string& name) const;

    Kind kind_;
    std::string fromFolder_;
    std::string toFolder_;
    std::vector<std::string> names_;
};

}  // namespace kelvora
