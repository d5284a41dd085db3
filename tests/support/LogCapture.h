#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Log.h"

namespace testsupport {

// Collects the log lines written while it lives.
class LogCapture {
  public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t count(std::string_view line) const;

  private:
    std::vector<std::string> lines_;
    foundation::Log::Sink previous_;
};

}  // namespace testsupport
