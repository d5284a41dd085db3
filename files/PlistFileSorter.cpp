#include "files/PlistFileSorter.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "files/SortKeyParser.h"
#include "files/UTF16Order.h"
#include "platform/foundation/DateFormatter.h"
#include "store/StoreConstants.h"

namespace kelvora {

void PlistFileSorter::sortRecords(std::vector<PlistFileRecord>& records,
                                  std::string_view sortType) {
    if (sortType == kSortFileAToZ) {
        sortByName(records, true);
    } else if (sortType == kSortFileZToA) {
        sortByName(records, false);
    } else if (sortType == kSortDateNewest) {
        sortByDate(records, true);
    } else if (sortType == kSortDateOldest) {
        sortByDate(records, false);
    }
}

void PlistFileSorter::sortByName(std::vector<PlistFileRecord>& records, bool ascending) {
    std::sort(records.begin(), records.end(),
              [ascending](const PlistFileRecord& a, const PlistFileRecord& b) {
                  int order = UTF16Order::compare(a.plistName, b.plistName);
                  return ascending ? order < 0 : order > 0;
              });
}

void PlistFileSorter::sortByDate(std::vector<PlistFileRecord>& records, bool newestFirst) {
    using TimePoint = foundation::DateFormatter::TimePoint;
    struct Keyed {
        std::optional<TimePoint> date;
        PlistFileRecord* record;
    };
    SortKeyParser parser;
    std::vector<Keyed> keyed;
    keyed.reserve(records.size());
    for (auto& record : records) {
        keyed.push_back({parser.parse(record.creationDate), &record});
    }
    std::sort(keyed.begin(), keyed.end(), [newestFirst](const Keyed& a, const Keyed& b) {
        if (a.date.has_value() != b.date.has_value()) {
            return a.date.has_value();
        }
        if (a.date != b.date) {
            return newestFirst ? *a.date > *b.date : *a.date < *b.date;
        }
        return UTF16Order::compare(a.record->plistName, b.record->plistName) < 0;
    });
    std::vector<PlistFileRecord> sorted;
    sorted.reserve(records.size());
    for (const auto& entry : keyed) {
        sorted.push_back(std::move(*entry.record));
    }
    records = std::move(sorted);
}

}  // namespace kelvora
