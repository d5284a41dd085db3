#include "platform/host/UrlOpener.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/foundation/Log.h"

extern char** environ;

namespace host {

namespace {

bool hasXdgOpen() {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        std::error_code error;
        if (!folder.empty() && std::filesystem::exists(folder + "/xdg-open", error)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool UrlOpener::operator()(const std::string& url) const {
    if (headless_ || !hasXdgOpen()) {
        foundation::Log::write("Not opened here (no desktop opener): " + url);
        return false;
    }
    // The URL goes as one argument, never through a shell, whatever characters it holds.
    std::string program = "xdg-open";
    char* arguments[] = {program.data(), const_cast<char*>(url.c_str()), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "xdg-open", nullptr, nullptr, arguments, environ) != 0) {
        foundation::Log::write("Could not start xdg-open for " + url);
        return false;
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace host
