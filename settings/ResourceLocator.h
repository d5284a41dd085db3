#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/foundation/PropertyList.h"

// Finds the resources shipped with the app in one folder named by the host or a test (the
// repository's resources/ folder on the desktop). A resource is the file "<name>.<type>" in
// that folder; names that would reach outside it, and anything but a regular file, find nothing.
//
// FIXME: stands in for the platform's bundle, which does not exist yet; the lookup belongs
// there once it does, and this class goes away.
class ResourceLocator final {
  public:
    explicit ResourceLocator(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::optional<std::filesystem::path> pathForResource(std::string_view name,
                                                         std::string_view type) const;
    // A resource that is missing, unreadable, larger than the property-list reader accepts,
    // malformed, or whose root is not a dictionary reads as nothing.
    std::optional<foundation::PlistDictionary> dictionaryForResource(std::string_view name,
                                                                     std::string_view type) const;

  private:
    std::filesystem::path folder_;
};
