#include "platform/host/HostLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Log.h"
#include "platform/host/Console.h"

namespace host {

namespace {

foundation::Error cannotOpen(const std::string& why) {
    return foundation::Error{"Cannot write the log file " + std::string(HostLog::kDevicePath) +
                             " under the device root (" + why + "): its lines go to the terminal"};
}

void setAsideIfLarge(const std::string& file) {
    struct stat info;
    if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_size > HostLog::kKeptBytes) {
        std::rename(file.c_str(), (file + ".1").c_str());
    }
}

// Each line goes out in one write to a file opened for appending, so lines of two runs never
// interleave mid-line. A first failure (a full disk) is said once on the terminal.
void append(int descriptor, std::string_view line, bool echo, bool& failed) {
    std::string text = std::string(line) + "\n";
    if (::write(descriptor, text.data(), text.size()) != static_cast<ssize_t>(text.size()) &&
        !failed) {
        failed = true;
        Console::error("Cannot write to the log file: " + std::string(std::strerror(errno)));
    }
    if (echo) {
        std::fwrite(text.data(), 1, text.size(), stderr);
    }
}

}  // namespace

foundation::Result<void> HostLog::install(bool echo) {
    auto& files = foundation::FileManager::defaultManager();
    std::string folder(kDevicePath.substr(0, kDevicePath.rfind('/')));
    if (auto made = files.createDirectory(folder, true); !made) {
        return cannotOpen(made.error().description);
    }
    std::string file = files.hostPath(kDevicePath).string();
    setAsideIfLarge(file);
    auto descriptor = std::make_shared<foundation::FileDescriptor>(
        ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!descriptor->valid()) {
        return cannotOpen(std::strerror(errno));
    }
    auto failed = std::make_shared<bool>(false);
    foundation::Log::setSink([descriptor, echo, failed](std::string_view line) {
        append(descriptor->get(), line, echo, *failed);
    });
    return {};
}

}  // namespace host
