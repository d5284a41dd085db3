#pragma once

#include <ctime>
#include <filesystem>

namespace kelvora {

namespace filetests {

// Seconds since 1970 for a UTC calendar time, worked out without the code under test.
std::time_t utc(int year, int month, int day, int hour, int minute, int second);

// Sets the modification time of a host file, to the second.
void setModified(const std::filesystem::path& file, std::time_t when);

}  // namespace filetests

}  // namespace kelvora
