#include "files/PlistFileSorter.h"

#include "store/SortRule.h"

namespace kelvora {

void PlistFileSorter::sortRecords(std::vector<PlistFileRecord>& records,
                                  std::string_view sortType) {
    auto rule = SortRule::forFiles(sortType);
    if (!rule) {
        return;
    }
    std::vector<SortRule::Keys> keys;
    keys.reserve(records.size());
    for (const PlistFileRecord& record : records) {
        keys.push_back({record.plistName, record.creationDate});
    }
    applyOrder(records, rule->order(keys));
}

}  // namespace kelvora
