#pragma once

#include <string>
#include <string_view>

namespace kelvora {

// One listed property-list file, as the picker and a Setup's list show it. Both dates are
// the file's modification date, whatever the member names say: the names are the keys the
// screens have always used.
struct PlistFileRecord final {
    // The directory entry's name as listed, extension included.
    std::string plistName;
    // For display: "MMM d, yyyy HH:mm" in the device's locale and time zone.
    std::string plistCreatedDate;
    // For the date sorts: "ddMMyyyyhhmmssss", the pattern of a Setup record's key of the
    // same name. Its hour is on the 12-hour clock with no day-half marker.
    std::string creationDate;
    // The byte count in the file style of the byte-count formatter.
    std::string plistFileSize;

    bool operator==(const PlistFileRecord&) const = default;
};

inline constexpr std::string_view kPlistDisplayDatePattern = "MMM d, yyyy HH:mm";

}  // namespace kelvora
