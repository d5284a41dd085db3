#include "store/SetupFolderName.h"

#include <algorithm>

#include "platform/foundation/UnicodeText.h"

namespace kelvora {

std::string setupFolderNameForName(std::string_view setupName) {
    std::string withoutSpaces(setupName);
    withoutSpaces.erase(std::remove(withoutSpaces.begin(), withoutSpaces.end(), ' '),
                        withoutSpaces.end());
    return foundation::lowercaseString(withoutSpaces);
}

}  // namespace kelvora
