#pragma once

#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace kelvora {

// Puts the setup list in the order of a "setupSortType" value: "Setup A-Z" and "Setup Z-A"
// compare names code unit by code unit (every upper-case letter before every lower-case
// one, no locale, no numbers), "Date Newest" and "Date Oldest" compare the instants of the
// "creationDate" keys. Any other value leaves the file's order.
//
// Records of any shape are kept: a missing or non-string name sorts as empty, and a record
// whose key is missing or does not parse goes after all dated ones in both date orders.
// Equal keys keep their file order.
void sortSetupArray(foundation::PlistArray& setupArray, std::string_view sortType);

}  // namespace kelvora
