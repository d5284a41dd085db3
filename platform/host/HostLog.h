#pragma once

#include <string_view>

#include "platform/foundation/Result.h"

namespace host {

// Where the app's log lines go on the desktop: appended, exactly as written, to a log file
// under the device root, in the folder where a phone keeps its logs, and with --verbose to
// the terminal as well. A file over a megabyte is moved aside to "kelvora.log.1" (replacing
// the one before) when a run starts, so the log never grows without end.
class HostLog final {
  public:
    static constexpr std::string_view kDevicePath = "/var/mobile/Library/Logs/Kelvora/kelvora.log";
    static constexpr long kKeptBytes = 1 << 20;

    // Opens the file under the file manager's current root and sends the log there. When it
    // cannot be opened, the log stays on the terminal and the error says why.
    static foundation::Result<void> install(bool echo);
};

}  // namespace host
