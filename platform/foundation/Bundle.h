#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace foundation {

// The resources shipped with the app, in one folder named by the host or a test (the
// repository's resources/ folder on the desktop). A resource is the file "<name>.<type>" in
// that folder; names that would reach outside it, and anything but a regular file, find nothing.
class Bundle final {
  public:
    explicit Bundle(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::optional<std::filesystem::path> pathForResource(std::string_view name,
                                                         std::string_view type) const;
    // A resource that is missing, unreadable, larger than the property-list reader accepts,
    // malformed, or whose root is not a dictionary reads as nothing.
    std::optional<PlistDictionary> dictionaryForResource(std::string_view name,
                                                         std::string_view type) const;

  private:
    std::filesystem::path folder_;
};

}  // namespace foundation
