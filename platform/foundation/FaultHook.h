#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace foundation {

// The kinds of file-system step a test can make fail, to stand in for full disks and
// unwritable folders.
enum class FaultKind { createDirectory, copy, remove, rename, write, link };

// Returns an errno value to make a step of that kind on `devicePath` fail, or nothing to let
// it run.
using FaultHook = std::function<std::optional<int>(FaultKind, std::string_view devicePath)>;

}  // namespace foundation
