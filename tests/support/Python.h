#pragma once

#include <optional>
#include <string>

namespace testsupport {

struct PythonRun {
    int status = -1;
    std::string output;  // standard output and standard error together
};

// Runs `script` with python3 (its plistlib is the independent reader and writer of property
// lists the tests compare against); nothing when python3 with plistlib cannot be run here.
std::optional<PythonRun> runPython(const std::string& script);

}  // namespace testsupport
