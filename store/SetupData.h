#pragma once

#include <string>

#include "platform/foundation/PropertyList.h"

namespace kelvora {

// One Setup as the screens hand it to each other: five of the six strings of its record
// in the setup list ("creationDate" is only a sort key and stays in the record).
struct SetupData final {
    std::string setupFolderName;
    std::string setupName;
    std::string setupColour;
    std::string setupIcon;
    std::string createdDate;

    // Reads a record of any shape: a missing entry, a value that is not a string, or a
    // record that is not a dictionary at all reads as empty strings, never as a failure.
    static SetupData fromRecord(const foundation::PlistValue& record);

    bool operator==(const SetupData&) const = default;
};

}  // namespace kelvora
