#include "store/RestoreReview.h"

#include <algorithm>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"
#include "store/PreferenceNames.h"

namespace kelvora {

namespace {

std::vector<std::string> restoredNames(const std::string& setupFolder) {
    auto names = foundation::FileManager::defaultManager().contentsOfDirectory(setupFolder);
    std::vector<std::string> kept;
    for (auto& name : names.value_or(std::vector<std::string>{})) {
        if (!PreferenceNames::isLeftover(name) && !PreferenceNames::isKelvorasOwnFile(name)) {
            kept.push_back(std::move(name));
        }
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

// Sizes settle most entries at once; only files of one size are read and compared.
bool sameBytes(const std::string& first, const std::string& second) {
    auto& files = foundation::FileManager::defaultManager();
    auto one = files.contentsOfFile(first, foundation::maximumPropertyListBytes);
    auto other = files.contentsOfFile(second, foundation::maximumPropertyListBytes);
    return one && other && one.value() == other.value();
}

}  // namespace

RestoreReview RestoreReview::of(const std::string& setupFolder,
                                const std::string& preferencesFolder) {
    auto& files = foundation::FileManager::defaultManager();
    const auto names = restoredNames(setupFolder);
    const auto incoming = files.attributesOfItems(setupFolder, names);
    const auto live = files.attributesOfItems(preferencesFolder, names);
    RestoreReview review;
    for (std::size_t index = 0; index < names.size(); ++index) {
        const std::string livePath =
            foundation::appendingPathComponent(preferencesFolder, names[index]);
        if (!live[index] && !files.fileExists(livePath)) {
            review.willBeAdded.push_back(names[index]);
        } else if (incoming[index] && live[index] && !incoming[index].value().isDirectory &&
                   incoming[index].value().size == live[index].value().size &&
                   sameBytes(foundation::appendingPathComponent(setupFolder, names[index]),
                             livePath)) {
            review.alreadySame.push_back(names[index]);
        } else {
            review.willChange.push_back(names[index]);
        }
    }
    return review;
}

}  // namespace kelvora
