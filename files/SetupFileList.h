#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/PlistFileRecord.h"

namespace kelvora {

// The plist files of one Setup's folder, in the stored sort order ("fileExplorerSortType",
// separate from the picker's), for the Setup explorer. Unlike the Preferences catalogue it
// excludes no names: a Setup holds whatever the user copied into it. A load replaces the
// list (the explorer always emptied it before loading).
class SetupFileList final {
  public:
    explicit SetupFileList(std::string setupFolderName);

    // A folder that is missing or cannot be listed gives an empty list.
    void loadSetupData();

    const std::vector<PlistFileRecord>& setupArray() const { return setupArray_; }
    const std::string& sortType() const { return sortType_; }
    bool showsNoResultLabel() const { return setupArray_.empty(); }
    // "/var/mobile/Kelvora/Setup/<folder name>/", or nothing for a record whose folder name
    // would reach outside its own folder (see SetupFolder).
    std::optional<std::string> setupFolderPath() const;

  private:
    std::string setupFolderName_;
    std::vector<PlistFileRecord> setupArray_;
    std::string sortType_;
};

}  // namespace kelvora
