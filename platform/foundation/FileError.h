#pragma once

#include <string>
#include <string_view>

#include "platform/foundation/Result.h"

namespace foundation {

// The reasons and sentences of file errors, worded like the phone's own alerts:
// “a.plist” couldn’t be copied to “Setup” because an item with the same name already exists.
// Paths are device paths; the host root never shows.
namespace FileError {

// Not a system error number: the source of a replacing copy is the target itself.
inline constexpr int sameItem = -1;
// Not a system error number: a folder would be copied into itself.
inline constexpr int intoItself = -2;
// Not a system error number: a property list holds what its text form cannot.
inline constexpr int unstorable = -3;

std::string reason(int error);
Error creating(std::string_view path, int error);
Error copying(std::string_view from, std::string_view to, int error);
Error removing(std::string_view path, int error);
Error reading(std::string_view path, int error);
Error saving(std::string_view path, int error);
Error inspecting(std::string_view path, int error);

}  // namespace FileError

}  // namespace foundation
