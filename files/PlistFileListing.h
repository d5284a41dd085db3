#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/PlistFileRecord.h"
#include "platform/foundation/DateFormatter.h"

// Turns the admitted names of one folder into records. Made once per load, so the two
// date formatters are taken once per load and never per file.
//
// An entry whose attributes cannot be read (it went away between the listing and the read)
// is left out rather than shown with empty strings: a row for a file that is not there
// could only fail when the user picks it.
class PlistFileListing final {
  public:
    explicit PlistFileListing(std::string folder);

    std::optional<PlistFileRecord> recordForName(std::string_view name) const;
    // One attribute read per name, in the order given.
    std::vector<PlistFileRecord> recordsForNames(const std::vector<std::string>& names) const;

    // The entries of `folder` whose lower-cased extension is "plist"; nothing for a folder
    // that is missing or cannot be listed.
    static std::vector<std::string> namesWithPlistExtension(std::string_view folder);

  private:
    std::string folder_;
    std::shared_ptr<const foundation::DateFormatter> displayDate_;
    std::shared_ptr<const foundation::DateFormatter> sortKey_;
};
