#pragma once

#include <filesystem>
#include <functional>

#include "platform/kit/Application.h"

namespace host {

// Registers the app's delegate and scene configurations on the application; given the
// folder of the app's resources.
using AppInstaller =
    std::function<void(kit::Application& application, const std::filesystem::path& resources)>;

// The `kelvora` program: reads the command line, prepares the device root, installs the
// app and runs it in a window or headless. Returns the process's exit status: 0 when all
// went well, 1 for a script step that failed or a run that could not start, 2 for a
// command line or script that cannot be used.
int applicationMain(int argc, char** argv, const AppInstaller& install);

}  // namespace host
