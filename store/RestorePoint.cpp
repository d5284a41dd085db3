#include "store/RestorePoint.h"

#include <cmath>
#include <utility>

#include "platform/foundation/FileManager.h"

namespace kelvora {

namespace {

constexpr std::string_view kDateKey = "date";
constexpr std::string_view kRestoredKey = "restored";
constexpr std::string_view kEntriesKey = "entries";
constexpr std::string_view kPathKey = "path";
constexpr std::string_view kKindKey = "kind";
constexpr std::string_view kDigestKey = "digest";
constexpr std::string_view kReplaced = "replaced";
constexpr std::string_view kAdded = "added";

// Seconds between the Unix epoch and the property-list epoch, 2001-01-01 UTC.
constexpr double kReferenceDateOffset = 978307200;

template <class T>
const T* field(const foundation::PlistDictionary& dictionary, std::string_view key) {
    auto found = dictionary.find(key);
    return found == dictionary.end() ? nullptr : found->second.get<T>();
}

std::optional<RestorePointEntry> entryFrom(const foundation::PlistValue& value) {
    const auto* dictionary = value.get<foundation::PlistDictionary>();
    const auto* path = dictionary ? field<std::string>(*dictionary, kPathKey) : nullptr;
    const auto* kind = dictionary ? field<std::string>(*dictionary, kKindKey) : nullptr;
    if (!path || !kind || (*kind != kReplaced && *kind != kAdded)) {
        return std::nullopt;
    }
    const auto* digest = field<std::string>(*dictionary, kDigestKey);
    return RestorePointEntry{
        *path, *kind == kAdded ? RestorePointEntry::Kind::added : RestorePointEntry::Kind::replaced,
        digest ? *digest : std::string()};
}

foundation::PlistDate plistDate(std::chrono::system_clock::time_point date) {
    using namespace std::chrono;
    double seconds = duration<double>(date.time_since_epoch()).count();
    return {std::floor(seconds) - kReferenceDateOffset};
}

std::chrono::system_clock::time_point timePoint(foundation::PlistDate date) {
    using namespace std::chrono;
    return system_clock::time_point(duration_cast<system_clock::duration>(
        duration<double>(date.sinceReferenceDate + kReferenceDateOffset)));
}

}  // namespace

// A point is a real folder with a real folder of files in it: a link in their place could lead
// anywhere, and is never followed to what a put back would copy.
bool RestorePoint::isRealFolder(const std::string& path) {
    auto status = foundation::FileManager::defaultManager().statusOfItem(path);
    return status && status.value().type == foundation::ItemStatus::Type::folder;
}

RestorePoint RestorePoint::read(std::string folder) {
    RestorePoint point;
    point.folder = std::move(folder);
    point.damaged = true;
    if (!isRealFolder(point.folder) || !isRealFolder(point.filesFolder())) {
        return point;
    }
    const auto manifest = foundation::dictionaryWithContentsOfFile(point.manifestPath());
    const auto* date = manifest ? field<foundation::PlistDate>(*manifest, kDateKey) : nullptr;
    const auto* restored = manifest ? field<std::string>(*manifest, kRestoredKey) : nullptr;
    const auto* entries =
        manifest ? field<foundation::PlistArray>(*manifest, kEntriesKey) : nullptr;
    if (!date || !restored || !entries) {
        return point;
    }
    for (const auto& value : *entries) {
        auto entry = entryFrom(value);
        if (!entry) {
            point.entries.clear();
            return point;
        }
        point.entries.push_back(std::move(*entry));
    }
    point.damaged = false;
    point.date = timePoint(*date);
    point.restored = *restored;
    return point;
}

std::string RestorePoint::name() const {
    return foundation::lastPathComponent(folder);
}

std::string RestorePoint::manifestPath() const {
    return foundation::appendingPathComponent(folder, kManifestName);
}

std::string RestorePoint::filesFolder() const {
    return foundation::appendingPathComponent(folder, kFilesFolderName);
}

std::string RestorePoint::keptPath(const RestorePointEntry& entry) const {
    return foundation::appendingPathComponent(filesFolder(),
                                              foundation::lastPathComponent(entry.path));
}

foundation::PlistDictionary RestorePoint::manifest() const {
    foundation::PlistArray listed;
    for (const auto& entry : entries) {
        foundation::PlistDictionary item{
            {std::string(kPathKey), entry.path},
            {std::string(kKindKey),
             std::string(entry.kind == RestorePointEntry::Kind::added ? kAdded : kReplaced)}};
        if (entry.kind == RestorePointEntry::Kind::added) {
            item.emplace(kDigestKey, entry.digest);
        }
        listed.emplace_back(std::move(item));
    }
    return {{std::string(kDateKey), plistDate(date)},
            {std::string(kRestoredKey), restored},
            {std::string(kEntriesKey), std::move(listed)}};
}

}  // namespace kelvora
