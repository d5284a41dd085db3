#include "tests/support/LogCapture.h"

#include <algorithm>

namespace testsupport {

LogCapture::LogCapture()
    : previous_(
          foundation::Log::setSink([this](std::string_view line) { lines_.emplace_back(line); })) {}

LogCapture::~LogCapture() {
    foundation::Log::setSink(std::move(previous_));
}

std::size_t LogCapture::count(std::string_view line) const {
    return static_cast<std::size_t>(std::count(lines_.begin(), lines_.end(), line));
}

}  // namespace testsupport
