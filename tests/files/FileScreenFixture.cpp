#include "tests/files/FileScreenFixture.h"

#include <algorithm>
#include <filesystem>

namespace kelvora {

std::vector<std::string> FileScreenFixture::entries(std::string_view devicePath) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root.host(devicePath))) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kelvora
