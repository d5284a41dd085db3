#pragma once

#include <filesystem>

namespace render {

// Where the app's resources folder (symbol map, image assets) is. The host sets it at
// start-up; until then the KELVORA_RESOURCES environment variable, else "resources" in the
// working folder, so a program run from the source tree finds them without being told.
class Resources final {
  public:
    static std::filesystem::path directory();
    static void setDirectory(std::filesystem::path directory);
};

}  // namespace render
