#include "files/StoredSortType.h"

#include "store/SetupManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

std::string StoredSortType::read(std::string_view key) {
    auto value = SetupManager::sharedInstance().objectForKey(
        key, foundation::PlistValue(std::string(kSortFileAToZ)), std::string(kKelvoraPrefsID));
    const auto* text = value.get<std::string>();
    return text ? *text : std::string();
}

}  // namespace kelvora
