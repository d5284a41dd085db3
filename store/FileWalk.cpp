#include "store/FileWalk.h"

#include <utility>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "store/PreferenceNames.h"
#include "store/RestorePoints.h"

namespace kelvora {

FileWalk::FileWalk(Kind kind, std::string fromFolder, std::string toFolder,
                   std::vector<std::string> names, std::string restored)
    : kind_(kind),
      fromFolder_(std::move(fromFolder)),
      toFolder_(std::move(toFolder)),
      names_(std::move(names)),
      restored_(std::move(restored)) {}

FileWalk FileWalk::copy(std::string fromFolder, std::string toFolder,
                        std::vector<std::string> names) {
    return FileWalk(Kind::copy, std::move(fromFolder), std::move(toFolder), std::move(names));
}

FileWalk FileWalk::remove(std::string folder, std::vector<std::string> names) {
    return FileWalk(Kind::remove, {}, std::move(folder), std::move(names));
}

FileWalk FileWalk::restore(std::string fromFolder, std::string toFolder,
                           std::vector<std::string> names, std::string restored) {
    return FileWalk(Kind::restore, std::move(fromFolder), std::move(toFolder), std::move(names),
                    std::move(restored));
}

std::string FileWalk::target(const std::string& name) const {
    return foundation::appendingPathComponent(toFolder_, name);
}

// A copy never spreads what an interrupted copy left behind, and a restore never puts back
// the app's own files: an old copy of them would rewind its Setup list or its settings.
std::vector<std::string> FileWalk::walkedNames() const {
    if (kind_ == Kind::remove) {
        return names_;
    }
    std::vector<std::string> walked;
    for (const std::string& name : names_) {
        if (PreferenceNames::isLeftover(name)) {
            continue;
        }
        if (kind_ == Kind::restore && PreferenceNames::isKelvorasOwnFile(name)) {
            foundation::Log::write("left out Kelvora's own file " + target(name));
            continue;
        }
        walked.push_back(name);
    }
    return walked;
}

FileWalkSummary FileWalk::run(const StepObserver& observe) const {
    FileWalkSummary summary;
    const std::vector<std::string> names = walkedNames();
    if (names.empty()) {
        return summary;
    }
    if (auto failed = keepRestorePoint(names, summary)) {
        if (observe) {
            observe(*failed);
        }
        return summary;
    }
    foundation::Log::write("last file " + target(names.back()));
    const Copies copies = kind_ == Kind::remove ? Copies{} : copyAll(names);
    for (std::size_t index = 0; index < names.size(); ++index) {
        FileWalkStep step = kind_ == Kind::remove
                                ? removeStep(names[index])
                                : copyStep(names[index], copies[index], index + 1 == names.size());
        summary.changed += step.outcome == FileWalkStep::Outcome::done ? 1 : 0;
        summary.last = step.outcome;
        if (step.outcome == FileWalkStep::Outcome::failed) {
            summary.failures.push_back(step);
        }
        if (observe) {
            observe(step);
        }
    }
    if (kind_ == Kind::restore) {
        RestorePoints::prune();
    }
    return summary;
}

// The failure that stopped the walk before it replaced anything, or nothing when the walk
// needs no point or has one.
std::optional<FileWalkStep> FileWalk::keepRestorePoint(const std::vector<std::string>& names,
                                                       FileWalkSummary& summary) const {
    if (kind_ != Kind::restore) {
        return std::nullopt;
    }
    std::vector<RestorePoints::Change> changes;
    changes.reserve(names.size());
    for (const std::string& name : names) {
        changes.push_back({target(name), foundation::appendingPathComponent(fromFolder_, name)});
    }
    auto point = RestorePoints::make(restored_, changes);
    if (point) {
        summary.restorePoint = point.value().folder;
        return std::nullopt;
    }
    foundation::Log::write("failed to keep a restore point");
    FileWalkStep failed{toFolder_, FileWalkStep::Outcome::failed, point.error().description};
    summary.failures.push_back(failed);
    summary.last = failed.outcome;
    return failed;
}

FileWalk::Copies FileWalk::copyAll(const std::vector<std::string>& names) const {
    std::vector<std::pair<std::string, std::string>> fromTo;
    fromTo.reserve(names.size());
    for (const std::string& name : names) {
        fromTo.emplace_back(foundation::appendingPathComponent(fromFolder_, name), target(name));
    }
    return foundation::FileManager::defaultManager().copyItemsReplacing(fromTo);
}

FileWalkStep FileWalk::copyStep(const std::string& name, const foundation::Result<void>& copied,
                                bool isLast) const {
    std::string to = target(name);
    if (!copied) {
        foundation::Log::write("failed copy all files");
        return {to, FileWalkStep::Outcome::failed, copied.error().description};
    }
    foundation::Log::write("successfully copy all files " + to);
    if (isLast) {
        foundation::Log::write("yay saved the fucking last file");
    }
    return {to, FileWalkStep::Outcome::done, {}};
}

FileWalkStep FileWalk::removeStep(const std::string& name) const {
    std::string path = target(name);
    auto& files = foundation::FileManager::defaultManager();
    if (!files.fileExists(path)) {
        return {path, FileWalkStep::Outcome::alreadyGone, {}};
    }
    auto removed = files.removeItem(path);
    if (!removed) {
        foundation::Log::write("failed delete all files");
        return {path, FileWalkStep::Outcome::failed, removed.error().description};
    }
    foundation::Log::write("successfully delete all files " + path);
    return {path, FileWalkStep::Outcome::done, {}};
}

}  // namespace kelvora
