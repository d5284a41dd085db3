#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kelvora {

namespace apptest {

// The built `kelvora` program, run as a person runs it, headless, with its output kept.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

ProgramRun runKelvora(const std::vector<std::string>& arguments,
                      const std::filesystem::path& workFolder);

// Writes `text` to `file` and returns the file.
std::filesystem::path writeText(const std::filesystem::path& file, const std::string& text);
std::string readText(const std::filesystem::path& file);

}  // namespace apptest

}  // namespace kelvora
