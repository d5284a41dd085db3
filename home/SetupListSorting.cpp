#include "home/SetupListSorting.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <unicode/unistr.h>

#include "platform/foundation/DateFormatter.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

const std::string* stringEntry(const foundation::PlistValue& record, std::string_view key) {
    const auto* dictionary = record.get<foundation::PlistDictionary>();
    if (!dictionary) {
        return nullptr;
    }
    auto found = dictionary->find(key);
    return found == dictionary->end() ? nullptr : found->second.get<std::string>();
}

// The phone's strings compare UTF-16 code units, which differs from UTF-8 byte order for
// characters beyond the basic plane.
icu::UnicodeString nameOf(const foundation::PlistValue& record) {
    const auto* name = stringEntry(record, kSetupNameKey);
    return name ? icu::UnicodeString::fromUTF8(*name) : icu::UnicodeString();
}

void sortByName(foundation::PlistArray& setupArray, bool ascending) {
    std::vector<std::pair<icu::UnicodeString, foundation::PlistValue>> keyed;
    keyed.reserve(setupArray.size());
    for (auto& record : setupArray) {
        keyed.emplace_back(nameOf(record), std::move(record));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        return ascending ? a.first.compare(b.first) < 0 : b.first.compare(a.first) < 0;
    });
    for (std::size_t index = 0; index < keyed.size(); ++index) {
        setupArray[index] = std::move(keyed[index].second);
    }
}

// Each key is parsed once, before sorting: parsing costs far more than comparing.
void sortByDate(foundation::PlistArray& setupArray, bool newestFirst) {
    auto formatter = foundation::DateFormatter::withPattern("ddMMyyyyhhmmssss");
    using Key = std::optional<foundation::DateFormatter::TimePoint>;
    std::vector<std::pair<Key, foundation::PlistValue>> keyed;
    keyed.reserve(setupArray.size());
    for (auto& record : setupArray) {
        const auto* text = stringEntry(record, kCreationDateKey);
        keyed.emplace_back(text ? formatter->parse(*text) : std::nullopt, std::move(record));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [newestFirst](const auto& a, const auto& b) {
        if (!a.first || !b.first) {
            return a.first.has_value() && !b.first.has_value();
        }
        return newestFirst ? *b.first < *a.first : *a.first < *b.first;
    });
    for (std::size_t index = 0; index < keyed.size(); ++index) {
        setupArray[index] = std::move(keyed[index].second);
    }
}

}  // namespace

void sortSetupArray(foundation::PlistArray& setupArray, std::string_view sortType) {
    if (sortType == kSortSetupAToZ) {
        sortByName(setupArray, true);
    } else if (sortType == kSortSetupZToA) {
        sortByName(setupArray, false);
    } else if (sortType == kSortDateNewest) {
        sortByDate(setupArray, true);
    } else if (sortType == kSortDateOldest) {
        sortByDate(setupArray, false);
    }
}

}  // namespace kelvora
