#include "tests/support/Python.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>

namespace testsupport {

std::optional<PythonRun> runPython(const std::string& script) {
    if (std::system("python3 -c 'import plistlib' >/dev/null 2>&1") != 0) {
        return std::nullopt;
    }
    std::string path = (std::filesystem::temp_directory_path() / "kelvora-py-XXXXXX").string();
    int fd = mkstemp(path.data());
    if (fd < 0) {
        return std::nullopt;
    }
    close(fd);
    std::ofstream(path) << script;
    PythonRun run;
    if (FILE* pipe = popen(("python3 " + path + " 2>&1").c_str(), "r")) {
        std::array<char, 4096> buffer;
        while (std::size_t count = fread(buffer.data(), 1, buffer.size(), pipe)) {
            run.output.append(buffer.data(), count);
        }
        int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::filesystem::remove(path);
    return run;
}

}  // namespace testsupport
