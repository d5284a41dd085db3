#include "files/FileOperation.h"

#include <utility>

#include "files/OkayAlert.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/MainQueue.h"

namespace kelvora {

namespace {

constexpr double kCompletionDelay = 0.2;

void showOverlay(SpinnerMessageView& overlay) {
    overlay.setAlpha(1);
    overlay.beginAnimateWithMessage("");
}

void hideOverlay(SpinnerMessageView& overlay) {
    overlay.setAlpha(0);
    overlay.stopAnimate();
}

}  // namespace

FileOperation::FileOperation(Kind kind, std::string fromFolder, std::string toFolder,
                             std::vector<std::string> names)
    : kind_(kind),
      fromFolder_(std::move(fromFolder)),
      toFolder_(std::move(toFolder)),
      names_(std::move(names)) {}

FileOperation FileOperation::copy(std::string fromFolder, std::string toFolder,
                                  std::vector<std::string> names) {
    return FileOperation(Kind::copy, std::move(fromFolder), std::move(toFolder), std::move(names));
}

FileOperation FileOperation::remove(std::string folder, std::vector<std::string> names) {
    return FileOperation(Kind::remove, {}, std::move(folder), std::move(names));
}

std::string FileOperation::target(const std::string& name) const {
    return foundation::appendingPathComponent(toFolder_, name);
}

void FileOperation::run(const std::shared_ptr<SpinnerMessageView>& overlay,
                        const std::shared_ptr<kit::ViewController>& presenter,
                        Completion completion) const {
    if (names_.empty()) {
        return;
    }
    foundation::Log::write("last file " + target(names_.back()));
    FileOperationSummary summary;
    Outcome last = Outcome::failed;
    const Copies copies = kind_ == Kind::copy ? copyAll() : Copies{};
    for (std::size_t index = 0; index < names_.size(); ++index) {
        last = runOne(index, copies, *overlay, presenter);
        summary.changed += last == Outcome::done ? 1 : 0;
        summary.failed += last == Outcome::failed ? 1 : 0;
    }
    summary.lastSucceeded = last != Outcome::failed;
    if (summary.changed == 0 && last != Outcome::alreadyGone) {
        return;
    }
    foundation::MainQueue::main().after(kCompletionDelay,
                                        [overlay, summary, completion = std::move(completion)] {
                                            hideOverlay(*overlay);
                                            if (completion) {
                                                completion(summary);
                                            }
                                        });
}

FileOperation::Copies FileOperation::copyAll() const {
    std::vector<std::pair<std::string, std::string>> fromTo;
    fromTo.reserve(names_.size());
    for (const std::string& name : names_) {
        fromTo.emplace_back(foundation::appendingPathComponent(fromFolder_, name), target(name));
    }
    return foundation::FileManager::defaultManager().copyItemsReplacing(fromTo);
}

FileOperation::Outcome FileOperation::runOne(
    std::size_t index, const Copies& copies, SpinnerMessageView& overlay,
    const std::shared_ptr<kit::ViewController>& presenter) const {
    const std::string& name = names_[index];
    Step step = kind_ == Kind::copy
                    ? copyOne(name, copies[index], index + 1 == names_.size(), overlay)
                    : removeOne(name, overlay);
    if (step.outcome == Outcome::failed) {
        hideOverlay(overlay);
        if (presenter) {
            presenter->present(OkayAlert::make("Error", step.error), true);
        }
    }
    return step.outcome;
}

FileOperation::Step FileOperation::copyOne(const std::string& name,
                                           const foundation::Result<void>& copied, bool isLast,
                                           SpinnerMessageView& overlay) const {
    std::string to = target(name);
    showOverlay(overlay);
    if (!copied) {
        foundation::Log::write("failed copy all files");
        return {Outcome::failed, copied.error().description};
    }
    foundation::Log::write("successfully copy all files " + to);
    overlay.messageLabel()->setText("Copying " + to);
    if (isLast) {
        foundation::Log::write("yay saved the fucking last file");
    }
    return {Outcome::done, {}};
}

FileOperation::Step FileOperation::removeOne(const std::string& name,
                                             SpinnerMessageView& overlay) const {
    std::string path = target(name);
    auto& files = foundation::FileManager::defaultManager();
    if (!files.fileExists(path)) {
        return {Outcome::alreadyGone, {}};
    }
    showOverlay(overlay);
    auto removed = files.removeItem(path);
    if (!removed) {
        foundation::Log::write("failed delete all files");
        return {Outcome::failed, removed.error().description};
    }
    foundation::Log::write("successfully delete all files " + path);
    return {Outcome::done, {}};
}

}  // namespace kelvora
