#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/PlistDateFormatter.h"
#include "files/PlistFileRecord.h"
#include "platform/foundation/FileManager.h"

namespace kelvora {

// Turns the admitted names of one folder into records. Made once per load, so the dates
// of the files that share a day are worked out once per load.
//
// An entry whose attributes cannot be read (it went away between the listing and the read)
// is left out rather than shown with empty strings: a row for a file that is not there
// could only fail when the user picks it.
class PlistFileListing final {
  public:
    explicit PlistFileListing(std::string folder);

    // One attribute read per name, in the order given.
    std::vector<PlistFileRecord> recordsForNames(const std::vector<std::string>& names);

    // The entries of `folder` whose lower-cased extension is "plist"; nothing for a folder
    // that is missing or cannot be listed.
    static std::vector<std::string> namesWithPlistExtension(std::string_view folder);

  private:
    PlistFileRecord record(std::string name, const foundation::FileAttributes& attributes);

    std::string folder_;
    PlistDateFormatter dates_;
};

}  // namespace kelvora
