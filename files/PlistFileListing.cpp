#include "files/PlistFileListing.h"

#include <algorithm>
#include <iterator>

#include "platform/foundation/ByteCountFormatter.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/UnicodeText.h"

PlistFileListing::PlistFileListing(std::string folder) : folder_(std::move(folder)) {}

std::optional<PlistFileRecord> PlistFileListing::recordForName(std::string_view name) {
    auto path = foundation::appendingPathComponent(folder_, name);
    auto attributes = foundation::FileManager::defaultManager().attributesOfItem(path);
    if (!attributes) {
        return std::nullopt;
    }
    const auto& found = attributes.value();
    // Sizes past the signed range cannot occur on a real file system; clamp rather than wrap.
    auto size = static_cast<std::int64_t>(
        std::min<std::uint64_t>(found.size, static_cast<std::uint64_t>(INT64_MAX)));
    auto dates = dates_.format(found.modificationDate);
    return PlistFileRecord{std::string(name), std::move(dates.display), std::move(dates.sortKey),
                           foundation::ByteCountFormatter::stringFromByteCount(size)};
}

std::vector<PlistFileRecord> PlistFileListing::recordsForNames(
    const std::vector<std::string>& names) {
    std::vector<PlistFileRecord> records;
    records.reserve(names.size());
    for (const auto& name : names) {
        if (auto record = recordForName(name)) {
            records.push_back(std::move(*record));
        }
    }
    return records;
}

std::vector<std::string> PlistFileListing::namesWithPlistExtension(std::string_view folder) {
    auto names = foundation::FileManager::defaultManager().contentsOfDirectory(folder);
    std::vector<std::string> kept;
    if (!names) {
        return kept;
    }
    std::copy_if(names->begin(), names->end(), std::back_inserter(kept), [](const auto& name) {
        return foundation::lowercaseString(foundation::pathExtension(name)) == "plist";
    });
    return kept;
}
