#pragma once

#include <string_view>
#include <vector>

#include "files/PlistFileRecord.h"

namespace kelvora {

// Puts a file list in the order its stored sort value names ("File A-Z", "File Z-A",
// "Date Newest", "Date Oldest"; see SortRule); any other value keeps the listing order.
class PlistFileSorter final {
  public:
    static void sortRecords(std::vector<PlistFileRecord>& records, std::string_view sortType);
};

}  // namespace kelvora
