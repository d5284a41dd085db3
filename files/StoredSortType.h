#pragma once

#include <string>
#include <string_view>

namespace kelvora {

// The sort choice a file list keeps in the app's settings domain under `key`, "File A-Z"
// when none is stored. A stored value that is not a string reads as "", which no sort
// matches, so the list keeps its listing order as it does for any unknown value.
class StoredSortType final {
  public:
    static std::string read(std::string_view key);
};

}  // namespace kelvora
