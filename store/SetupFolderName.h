#pragma once

#include <string>
#include <string_view>

namespace kelvora {

// The name of a Setup's folder under the Setup folder: the Setup's name without its space
// characters (U+0020 only), lower-cased; every other character is kept.
std::string setupFolderNameForName(std::string_view setupName);

}  // namespace kelvora
