#pragma once

#include <string_view>
#include <vector>

#include "files/PlistFileRecord.h"

namespace kelvora {

// The four orders of a file list, chosen by the stored sort value:
//   "File A-Z" / "File Z-A"       by name, UTF-16 code unit by code unit (case-sensitive,
//                                 not locale-aware: digits, then upper case, then lower case)
//   "Date Newest" / "Date Oldest" by the instant "creationDate" parses back to
// Any other value leaves the records in listing order.
//
// Each date key is parsed once before sorting, never inside the comparison: a parse costs
// tens of microseconds (see SortKeyParser). The key's hour is on the 12-hour clock without a
// day-half marker, so 01:05 and 13:05 of one day give the same key; records whose keys give the
// same instant (and so also those) are ordered by name, A to Z, in both date orders, so the result
// never depends on the folder's listing order. A key that does not parse sorts after every key that
// does, in both date orders.
class PlistFileSorter final {
  public:
    static void sortRecords(std::vector<PlistFileRecord>& records, std::string_view sortType);

  private:
    static void sortByName(std::vector<PlistFileRecord>& records, bool ascending);
    static void sortByDate(std::vector<PlistFileRecord>& records, bool newestFirst);
};

}  // namespace kelvora
