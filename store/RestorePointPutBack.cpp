#include "store/RestorePointPutBack.h"

#include <utility>

#include "platform/foundation/Digest.h"
#include "platform/foundation/PropertyList.h"
#include "store/PreferenceNames.h"
#include "store/RestorePoints.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

using Type = foundation::ItemStatus::Type;

std::string quoted(const std::string& path) {
    return "\u201C" + path + "\u201D";
}

// A tweak's entry directly in the Preferences folder, and nothing that resolves elsewhere.
bool isPreferencesEntry(const std::string& path) {
    const std::string_view folder = kPreferencesFolderPath;
    if (!path.starts_with(folder)) {
        return false;
    }
    const std::string_view name = std::string_view(path).substr(folder.size());
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos &&
           !PreferenceNames::isKelvorasOwnFile(name) && !PreferenceNames::isLeftover(name);
}

bool stillAsWritten(const std::string& path, const std::string& digest) {
    auto& files = foundation::FileManager::defaultManager();
    auto status = files.statusOfItem(path);
    if (digest.empty() || !status || status.value().type != Type::file) {
        return false;
    }
    auto bytes = files.contentsOfFile(path, foundation::maximumPropertyListBytes);
    return bytes && foundation::Digest::sha256(bytes.value()) == digest;
}

bool sameOwnerAndMode(const foundation::ItemStatus& first, const foundation::ItemStatus& second) {
    return first.owner == second.owner && first.group == second.group && first.mode == second.mode;
}

}  // namespace

PutBackResult RestorePointPutBack::run(const RestorePoint& point) {
    Plan planned = plan(point);
    PutBackResult result{planned.alreadyBack, std::move(planned.refused), {}};
    if (planned.steps.empty()) {
        return result;
    }
    std::vector<RestorePoints::Change> changes;
    for (const auto& step : planned.steps) {
        changes.push_back({step.target, step.kept});
    }
    auto made = RestorePoints::make("Undo " + point.restored, changes);
    if (!made) {
        result.failures.push_back(made.error().description);
        return result;
    }
    result.point = made.value().folder;
    write(planned.steps, result);
    remove(planned.steps, result);
    RestorePoints::prune();
    return result;
}

RestorePointPutBack::Plan RestorePointPutBack::plan(const RestorePoint& point) {
    Plan planned;
    if (point.damaged) {
        planned.refused.push_back("The restore point " + quoted(point.folder) +
                                  " is damaged: its manifest is missing or unreadable.");
        return planned;
    }
    for (const auto& entry : point.entries) {
        std::optional<std::string> refusal;
        if (!isPreferencesEntry(entry.path)) {
            refusal =
                quoted(entry.path) +
                " is not a tweak\u2019s file in the Preferences folder, so it was not put back.";
        } else if (entry.kind == RestorePointEntry::Kind::replaced) {
            refusal = planReplaced(point, entry, planned);
        } else {
            refusal = planAdded(entry, planned);
        }
        if (refusal) {
            planned.refused.push_back(*refusal);
        }
    }
    return planned;
}

std::optional<std::string> RestorePointPutBack::planReplaced(const RestorePoint& point,
                                                             const RestorePointEntry& entry,
                                                             Plan& planned) {
    auto& files = foundation::FileManager::defaultManager();
    const std::string kept = point.keptPath(entry);
    auto keptStatus = files.statusOfItem(kept);
    if (!keptStatus) {
        return "The restore point no longer holds " + quoted(entry.path) +
               ", so it was not put back.";
    }
    if (keptStatus.value().type == Type::link || keptStatus.value().type == Type::other) {
        return "The restore point holds a link in place of " + quoted(entry.path) +
               ", so it was not put back.";
    }
    auto live = files.statusOfItem(entry.path);
    if (live && live.value().isSameItem(keptStatus.value())) {
        ++planned.alreadyBack;
        return std::nullopt;
    }
    planned.steps.push_back({entry.path, kept, keptStatus.value()});
    return std::nullopt;
}

std::optional<std::string> RestorePointPutBack::planAdded(const RestorePointEntry& entry,
                                                          Plan& planned) {
    if (!foundation::FileManager::defaultManager().fileExists(entry.path)) {
        ++planned.alreadyBack;
        return std::nullopt;
    }
    if (!stillAsWritten(entry.path, entry.digest)) {
        return quoted(entry.path) + " has changed since the restore, so it was kept.";
    }
    planned.steps.push_back({entry.path, std::nullopt, {}});
    return std::nullopt;
}

// The copy keeps the kept file's bytes and date; the owner and mode it keeps are those of the
// entry it replaces, which the point's may differ from when they were changed since.
void RestorePointPutBack::write(const std::vector<Step>& steps, PutBackResult& result) {
    auto& files = foundation::FileManager::defaultManager();
    std::vector<std::pair<std::string, std::string>> fromTo;
    std::vector<const Step*> written;
    for (const auto& step : steps) {
        if (step.kept) {
            fromTo.emplace_back(*step.kept, step.target);
            written.push_back(&step);
        }
    }
    const auto copies = files.copyItemsReplacing(fromTo);
    for (std::size_t index = 0; index < copies.size(); ++index) {
        const Step& step = *written[index];
        auto copied = copies[index];
        auto now = files.statusOfItem(step.target);
        if (copied && now && !sameOwnerAndMode(now.value(), step.keptStatus)) {
            copied = files.setOwnerAndMode(step.target, step.keptStatus);
        }
        if (copied) {
            ++result.putBack;
        } else {
            result.failures.push_back(copied.error().description);
        }
    }
}

void RestorePointPutBack::remove(const std::vector<Step>& steps, PutBackResult& result) {
    for (const auto& step : steps) {
        if (step.kept) {
            continue;
        }
        auto removed = foundation::FileManager::defaultManager().removeItem(step.target);
        if (removed) {
            ++result.putBack;
        } else {
            result.failures.push_back(removed.error().description);
        }
    }
}

}  // namespace kelvora
