#include "store/RestorePoints.h"

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "platform/foundation/Digest.h"
#include "platform/foundation/FileManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

using Milliseconds = std::chrono::milliseconds;

// "20261206-133042.123": the length every name made here has.
constexpr std::size_t kNameLength = 19;

std::optional<std::int64_t> millisecondsOfName(const std::string& name) {
    int year, month, day, hour, minute, second, millisecond;
    int consumed = 0;
    if (name.size() != kNameLength ||
        std::sscanf(name.c_str(), "%4d%2d%2d-%2d%2d%2d.%3d%n", &year, &month, &day, &hour, &minute,
                    &second, &millisecond, &consumed) != 7 ||
        consumed != static_cast<int>(kNameLength)) {
        return std::nullopt;
    }
    struct tm parts {};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    return std::int64_t{::timegm(&parts)} * 1000 + millisecond;
}

std::string nameOfMilliseconds(std::int64_t milliseconds) {
    time_t seconds = static_cast<time_t>(milliseconds / 1000);
    struct tm parts {};
    ::gmtime_r(&seconds, &parts);
    char name[96];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d.%03d", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                  static_cast<int>(milliseconds % 1000));
    return name;
}

// Newest first; a name this store did not make sorts as the oldest, so it goes first.
bool newerFirst(const std::string& first, const std::string& second) {
    auto firstTime = millisecondsOfName(first);
    auto secondTime = millisecondsOfName(second);
    if (firstTime.has_value() != secondTime.has_value()) {
        return firstTime.has_value();
    }
    return first > second;
}

std::string digestOf(const std::optional<std::string>& source) {
    if (!source) {
        return {};
    }
    auto bytes = foundation::FileManager::defaultManager().contentsOfFile(
        *source, foundation::maximumPropertyListBytes);
    return bytes ? foundation::Digest::sha256(bytes.value()) : std::string();
}

foundation::Error pointNotMade(const foundation::Error& cause) {
    return {"Nothing was restored, because a restore point couldn\u2019t be made first. " +
            cause.description};
}

}  // namespace

std::vector<std::string> RestorePoints::names() {
    auto names = foundation::FileManager::defaultManager().contentsOfDirectory(kFolder);
    if (!names) {
        return {};
    }
    std::sort(names->begin(), names->end(), newerFirst);
    return *names;
}

// Later than every point there is, even when the clock was set back since the newest one.
std::string RestorePoints::newName(const std::vector<std::string>& existing) {
    using namespace std::chrono;
    std::int64_t now = duration_cast<Milliseconds>(system_clock::now().time_since_epoch()).count();
    for (const auto& name : existing) {
        if (auto made = millisecondsOfName(name)) {
            now = std::max(now, *made + 1);
        }
    }
    return nameOfMilliseconds(now);
}

foundation::Result<RestorePoint> RestorePoints::make(const std::string& restored,
                                                     const std::vector<Change>& changes) {
    auto& files = foundation::FileManager::defaultManager();
    RestorePoint point;
    point.folder = foundation::appendingPathComponent(kFolder, newName(names()));
    point.date = std::chrono::system_clock::now();
    point.restored = restored;
    if (auto made = files.createDirectory(point.filesFolder(), true); !made) {
        std::ignore = files.removeItem(point.folder);
        return pointNotMade(made.error());
    }
    if (auto filled = fill(point, changes); !filled) {
        std::ignore = files.removeItem(point.folder);
        return pointNotMade(filled.error());
    }
    return point;
}

// The kept files' folder entries, then the manifest, then the point's own entry reach the
// disk, in that order, so that a manifest never names files the disk does not have yet.
foundation::Result<void> RestorePoints::fill(RestorePoint& point,
                                             const std::vector<Change>& changes) {
    auto& files = foundation::FileManager::defaultManager();
    point.entries.reserve(changes.size());
    for (const auto& change : changes) {
        RestorePointEntry entry{change.target, RestorePointEntry::Kind::replaced, {}};
        if (auto kept = keep(point, change, entry); !kept) {
            return kept;
        }
        point.entries.push_back(std::move(entry));
    }
    if (auto synced = files.synchronizeItem(point.filesFolder()); !synced) {
        return synced;
    }
    if (auto written = foundation::writeToFile(point.manifest(), point.manifestPath()); !written) {
        return written;
    }
    if (auto synced = files.synchronizeItem(kFolder); !synced) {
        return synced;
    }
    return files.synchronizeItem(kKelvoraFolderPath);
}

foundation::Result<void> RestorePoints::keep(const RestorePoint& point, const Change& change,
                                             RestorePointEntry& entry) {
    auto& files = foundation::FileManager::defaultManager();
    if (files.fileExists(change.target)) {
        return files.linkOrCopyItem(change.target, point.keptPath(entry));
    }
    entry.kind = RestorePointEntry::Kind::added;
    entry.digest = digestOf(change.source);
    return {};
}

std::vector<RestorePoint> RestorePoints::list() {
    std::vector<RestorePoint> points;
    for (const auto& name : names()) {
        points.push_back(RestorePoint::read(foundation::appendingPathComponent(kFolder, name)));
    }
    return points;
}

foundation::Result<void> RestorePoints::remove(const RestorePoint& point) {
    const std::string name = point.name();
    if (name.empty() || name == "." || name == ".." ||
        point.folder != foundation::appendingPathComponent(kFolder, name)) {
        return foundation::Error{"\u201C" + point.folder +
                                 "\u201D is not a restore point, so it was left alone."};
    }
    return foundation::FileManager::defaultManager().removeItem(point.folder);
}

void RestorePoints::prune() {
    const auto all = names();
    for (std::size_t index = kKept; index < all.size(); ++index) {
        std::ignore = foundation::FileManager::defaultManager().removeItem(
            foundation::appendingPathComponent(kFolder, all[index]));
    }
}

}  // namespace kelvora
