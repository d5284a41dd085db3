#include "files/PlistFileListing.h"

#include <algorithm>
#include <iterator>

#include "platform/foundation/ByteCountFormatter.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/UnicodeText.h"

namespace kelvora {

PlistFileListing::PlistFileListing(std::string folder) : folder_(std::move(folder)) {}

PlistFileRecord PlistFileListing::record(std::string name,
                                         const foundation::FileAttributes& attributes) {
    // Sizes past the signed range cannot occur on a real file system; clamp rather than wrap.
    auto size = static_cast<std::int64_t>(
        std::min<std::uint64_t>(attributes.size, static_cast<std::uint64_t>(INT64_MAX)));
    auto dates = dates_.format(attributes.modificationDate);
    return PlistFileRecord{std::move(name), std::move(dates.display), std::move(dates.sortKey),
                           foundation::ByteCountFormatter::stringFromByteCount(size)};
}

std::vector<PlistFileRecord> PlistFileListing::recordsForNames(
    const std::vector<std::string>& names) {
    auto attributes = foundation::FileManager::defaultManager().attributesOfItems(folder_, names);
    std::vector<PlistFileRecord> records;
    records.reserve(names.size());
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (attributes[index]) {
            records.push_back(record(names[index], attributes[index].value()));
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

}  // namespace kelvora
