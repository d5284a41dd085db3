#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace foundation {

// The system log: one free-text line per event, no level, no prefix. Lines go to standard
// error unless a sink is installed: the desktop host sends them to a log file under the
// device root, and tests read the lines they expect from one.
class Log final {
  public:
    using Sink = std::function<void(std::string_view line)>;

    static void write(std::string_view line);
    // Installs `sink` (or the standard-error writer for an empty one) and returns the previous.
    static Sink setSink(Sink sink);
};

}  // namespace foundation
