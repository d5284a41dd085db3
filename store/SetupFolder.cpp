#include "store/SetupFolder.h"

#include "store/PathFormat.h"
#include "store/StoreConstants.h"

namespace kelvora {

std::optional<std::string> SetupFolder::unsafeNameReason(std::string_view folderName) {
    if (folderName.empty()) {
        return "A Setup name needs at least one character other than a space.";
    }
    if (folderName == "." || folderName == "..") {
        return "A Setup name cannot be \".\" or \"..\".";
    }
    if (folderName.find('/') != std::string_view::npos) {
        return "A Setup name cannot contain \"/\".";
    }
    if (folderName.find('\0') != std::string_view::npos) {
        return "A Setup name cannot contain a NUL character.";
    }
    return std::nullopt;
}

std::optional<std::string> SetupFolder::path(std::string_view folderName) {
    if (unsafeNameReason(folderName)) {
        return std::nullopt;
    }
    return formatPath(kSetupFolderPrefixFormat, {std::string(folderName)});
}

}  // namespace kelvora
