#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// Whether a folder name can stand for a Setup's folder: one plain name directly inside the
// Setup folder. A name with "/", the names "." and "..", an empty name (a Setup name made of
// spaces only) and a name with a NUL character would reach another folder or none at all;
// creating such a folder could put it beside the Setup folder, and deleting the Setup would
// then remove that folder. Returns why the name cannot be used, or nothing when it can.
std::optional<std::string> unsafeSetupFolderNameReason(std::string_view folderName);

}  // namespace kelvora
