#include "platform/render/Resources.h"

#include <cstdlib>
#include <optional>

namespace render {

namespace {

std::optional<std::filesystem::path>& chosenDirectory() {
    static std::optional<std::filesystem::path> directory;
    return directory;
}

}  // namespace

std::filesystem::path Resources::directory() {
    if (chosenDirectory()) {
        return *chosenDirectory();
    }
    if (const char* fromEnvironment = std::getenv("KELVORA_RESOURCES");
        fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    return "resources";
}

void Resources::setDirectory(std::filesystem::path directory) {
    chosenDirectory() = std::move(directory);
}

}  // namespace render
