#include "ui/FileWalkPresenter.h"

#include <utility>

#include "platform/foundation/MainQueue.h"
#include "ui/OkayAlert.h"

namespace kelvora {

namespace {

constexpr double kClosingDelay = 0.2;

void showOverlay(SpinnerMessageView& overlay) {
    overlay.setAlpha(1);
    overlay.beginAnimateWithMessage("");
}

void hideOverlay(SpinnerMessageView& overlay) {
    overlay.setAlpha(0);
    overlay.stopAnimate();
}

}  // namespace

void FileWalkPresenter::run(const FileWalk& walk,
                            const std::shared_ptr<SpinnerMessageView>& overlay,
                            const std::shared_ptr<kit::ViewController>& presenter, Closing closing,
                            Completion completion) {
    FileWalkSummary summary =
        walk.run([&](const FileWalkStep& step) { show(walk, step, *overlay, presenter); });
    if (!closes(summary, closing)) {
        return;
    }
    foundation::MainQueue::main().after(kClosingDelay,
                                        [overlay, summary, completion = std::move(completion)] {
                                            hideOverlay(*overlay);
                                            if (completion) {
                                                completion(summary);
                                            }
                                        });
}

void FileWalkPresenter::show(const FileWalk& walk, const FileWalkStep& step,
                             SpinnerMessageView& overlay,
                             const std::shared_ptr<kit::ViewController>& presenter) {
    if (step.outcome == FileWalkStep::Outcome::alreadyGone) {
        return;
    }
    showOverlay(overlay);
    if (step.outcome == FileWalkStep::Outcome::failed) {
        hideOverlay(overlay);
        if (presenter) {
            presenter->present(OkayAlert::make("Error", step.error), true);
        }
    } else if (walk.kind() != FileWalk::Kind::remove) {
        overlay.messageLabel()->setText("Copying " + step.target);
    }
}

bool FileWalkPresenter::closes(const FileWalkSummary& summary, Closing closing) {
    if (closing == Closing::whenLastSucceeded) {
        return summary.lastSucceeded();
    }
    return summary.changed > 0 || summary.last == FileWalkStep::Outcome::alreadyGone;
}

}  // namespace kelvora
