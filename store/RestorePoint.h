#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/foundation/PropertyList.h"
#include "platform/foundation/Result.h"

namespace kelvora {

// One entry a restore changed in the Preferences folder.
struct RestorePointEntry final {
    enum class Kind {
        replaced,  // it existed before the restore, and the point keeps it as it was
        added      // it did not exist; `digest` is that of what the restore wrote there
    };

    std::string path;  // the Preferences entry's device path
    Kind kind = Kind::replaced;
    std::string digest;  // SHA-256 in hexadecimal; empty when what was written was no file

    bool operator==(const RestorePointEntry&) const = default;
};

// What a restore left behind so that it can be undone: a folder holding a manifest (an XML
// property list naming the point's date, what was restored and each entry) and, under
// "Files", each replaced entry under its own name. A point whose manifest is missing or
// malformed, or whose folders are links, is damaged: it still lists and can be deleted, but
// holds nothing to put back. A manifest is only read here, never trusted: what its entries name
// is checked when they are put back.
struct RestorePoint final {
    static constexpr std::string_view kManifestName = "Manifest.plist";
    static constexpr std::string_view kFilesFolderName = "Files";

    std::string folder;  // device path
    bool damaged = false;
    std::chrono::system_clock::time_point date;
    std::string restored;  // "Setup <name>" or "Original Files"
    std::vector<RestorePointEntry> entries;

    // The point in `folder`; a damaged one when its manifest cannot be read.
    static RestorePoint read(std::string folder);
    std::string name() const;
    std::string manifestPath() const;
    std::string filesFolder() const;
    // Where the point keeps a replaced entry.
    std::string keptPath(const RestorePointEntry& entry) const;

    foundation::PlistDictionary manifest() const;

  private:
    static bool isRealFolder(const std::string& path);
};

}  // namespace kelvora
