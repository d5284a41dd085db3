#include "store/StoredSortType.h"

#include "store/SetupManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

std::string StoredSortType::read(std::string_view key, std::string_view fallback) {
    auto value = SetupManager::sharedInstance().objectForKey(
        key, foundation::PlistValue(std::string(fallback)), std::string(kKelvoraPrefsID));
    const auto* text = value.get<std::string>();
    return text ? *text : std::string();
}

void StoredSortType::write(std::string_view key, std::string_view sortType) {
    SetupManager::sharedInstance().setObject(foundation::PlistValue(std::string(sortType)), key,
                                             std::string(kKelvoraPrefsID));
}

}  // namespace kelvora
