#pragma once

#include <string>
#include <string_view>

namespace kelvora {

// The sort choice a list keeps in the app's settings domain under `key`, `fallback` when none
// is stored. A stored value that is not a string reads as "", which no sort matches, so the
// list keeps its order as it does for any unknown value.
class StoredSortType final {
  public:
    static std::string read(std::string_view key, std::string_view fallback);
    static void write(std::string_view key, std::string_view sortType);
};

}  // namespace kelvora
