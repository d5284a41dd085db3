#include "store/PreferenceNames.h"

#include "platform/foundation/TemporarySibling.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace PreferenceNames {

bool isKelvorasOwnFile(std::string_view name) {
    return name == kKelvoraPrefsFileName || name == kKelvoraListFileName;
}

bool isLeftover(std::string_view name) {
    return foundation::TemporarySibling::isSiblingName(name);
}

}  // namespace PreferenceNames

}  // namespace kelvora
