#include "home/SetupListSorting.h"

#include "store/SortRule.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

std::string_view stringEntry(const foundation::PlistValue& record, std::string_view key) {
    const auto* dictionary = record.get<foundation::PlistDictionary>();
    if (!dictionary) {
        return {};
    }
    auto found = dictionary->find(key);
    const auto* text = found == dictionary->end() ? nullptr : found->second.get<std::string>();
    return text ? std::string_view(*text) : std::string_view();
}

}  // namespace

void sortSetupArray(foundation::PlistArray& setupArray, std::string_view sortType) {
    auto rule = SortRule::forSetups(sortType);
    if (!rule) {
        return;
    }
    std::vector<SortRule::Keys> keys;
    keys.reserve(setupArray.size());
    for (const auto& record : setupArray) {
        keys.push_back({stringEntry(record, kSetupNameKey), stringEntry(record, kCreationDateKey)});
    }
    applyOrder(setupArray, rule->order(keys));
}

}  // namespace kelvora
