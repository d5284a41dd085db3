#pragma once

#include <string_view>

namespace kelvora {

// What a name in the Preferences folder, the Original folder or a Setup folder stands for,
// beyond the user's tweak settings.
namespace PreferenceNames {

// Kelvora's own settings and Setup list files: never a tweak's, so no snapshot, copy or restore
// takes them, or putting an old copy back would rewind the app's own state.
bool isKelvorasOwnFile(std::string_view name);

// The temporary sibling of a copy that a kill interrupted; never a file of the user's.
bool isLeftover(std::string_view name);

}  // namespace PreferenceNames

}  // namespace kelvora
