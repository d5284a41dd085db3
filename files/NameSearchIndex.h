#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/PlistFileRecord.h"

namespace kelvora {

// Case-insensitive "contains" over the names of a list, for search-as-you-type. Every name
// is case-folded once when the index is built, so a keystroke folds only the search text
// and then scans plain bytes. A name matches when it is at least as long as the text in
// UTF-16 units and its folded form contains the folded text.
class NameSearchIndex final {
  public:
    void rebuild(const std::vector<PlistFileRecord>& records);

    // Positions, in list order, of the names that match `text`; all of them for "".
    std::vector<std::uint32_t> matches(std::string_view text) const;

  private:
    struct Entry {
        std::string foldedName;
        std::int32_t utf16Length;
    };
    std::vector<Entry> entries_;
};

}  // namespace kelvora
