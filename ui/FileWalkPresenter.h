#pragma once

#include <functional>
#include <memory>

#include "platform/kit/ViewController.h"
#include "store/FileWalk.h"
#include "ui/SpinnerMessageView.h"

namespace kelvora {

// Shows a file walk as every screen does: the progress overlay while it works ("Copying
// <target>" for copies), an "Error" alert for each failure with the overlay hidden, and a
// closing step on the main queue 0.2 s after the walk, which hides the overlay and then runs
// the screen's completion with the walk's summary.
//
// When the closing step runs is the one thing screens differ in: after a walk whose last
// entry succeeded, or after one in which anything changed on disk (or the last entry of a
// delete was already gone), so that a screen shows what is on disk even when the last name
// failed.
class FileWalkPresenter final {
  public:
    enum class Closing { whenLastSucceeded, whenAnythingChanged };
    using Completion = std::function<void(const FileWalkSummary&)>;

    // Runs `walk` to its end at once. Alerts are presented by `presenter`; `completion` runs
    // after the overlay is hidden again and should hold what it needs alive.
    static void run(const FileWalk& walk, const std::shared_ptr<SpinnerMessageView>& overlay,
                    const std::shared_ptr<kit::ViewController>& presenter, Closing closing,
                    Completion completion);

  private:
    static void show(const FileWalk& walk, const FileWalkStep& step, SpinnerMessageView& overlay,
                     const std::shared_ptr<kit::ViewController>& presenter);
    static bool closes(const FileWalkSummary& summary, Closing closing);
};

}  // namespace kelvora
