#include "home/SetupFolderSafety.h"

namespace kelvora {

std::optional<std::string> unsafeSetupFolderNameReason(std::string_view folderName) {
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

}  // namespace kelvora
