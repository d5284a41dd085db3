#pragma once

#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace kelvora {

// Puts the setup list in the order of a "setupSortType" value ("Setup A-Z", "Setup Z-A",
// "Date Newest", "Date Oldest"; see SortRule); any other value keeps the file's order. Records
// of any shape are kept: a missing or non-string name or date key sorts as an empty one.
void sortSetupArray(foundation::PlistArray& setupArray, std::string_view sortType);

}  // namespace kelvora
