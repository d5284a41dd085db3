#pragma once

#include <chrono>

namespace foundation {

// An instant as files and dates carry it: microseconds since 1970 in 64 bits, some 292,000
// years either way. The system clock's own nanoseconds reach only 1677 to 2262, less than a
// file system holds (ext4 keeps 1901 to 2446), so a far date would overflow them.
using TimePoint = std::chrono::sys_time<std::chrono::microseconds>;

}  // namespace foundation
