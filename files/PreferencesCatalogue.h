#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/NameSearchIndex.h"
#include "files/PlistFileRecord.h"

namespace kelvora {

// The tweak preference files the user may copy into a Setup: the property-list files of the
// Preferences folder less the system and analytics files, in the stored sort order
// ("filePickerSortType"), and the rows on show for the current search text. It is the data
// side of the file picker; the screen asks it for its title and whether to show its
// no-result label.
//
// The complete list is held once; the rows on show are positions in it, in its order. A
// load replaces both (the picker always emptied them before loading). The catalogue does
// not follow later changes of the folder; the next load does.
class PreferencesCatalogue final {
  public:
    // Reads the sort choice, lists the Preferences folder, keeps the admitted files with one
    // attribute read each, sorts them and shows them all. A folder that is missing or cannot
    // be listed gives an empty catalogue.
    void loadPrefsData();
    // Shows the files whose names contain `text`, ignoring case; all of them for "".
    void updateSearchResultWithString(std::string_view text);

    // The complete catalogue, in sort order.
    const std::vector<PlistFileRecord>& searchResultArray() const { return records_; }
    // The rows on show.
    std::size_t plistCount() const { return shown_.size(); }
    const PlistFileRecord& plistAt(std::size_t row) const {
        assert(row < shown_.size());
        return records_[shown_[row]];
    }
    // The sort choice read at the last load; "" when the stored value was not a string.
    const std::string& sortType() const { return sortType_; }

    // "Preferences (n)" with the number of rows on show, or "Preferences" when there are none.
    std::string title() const;
    bool showsNoResultLabel() const { return shown_.empty(); }

    static std::string preferencesFilesPath();

  private:
    void loadRecords(std::vector<PlistFileRecord> records);

    std::vector<PlistFileRecord> records_;
    std::vector<std::uint32_t> shown_;
    NameSearchIndex index_;
    std::string sortType_;
};

}  // namespace kelvora
