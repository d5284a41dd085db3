#pragma once

#include <optional>

#include "platform/foundation/PropertyList.h"

namespace kelvora {

// A font as the store hands it out: a point size and, when the domain holds one, the
// archived font descriptor; without a descriptor it stands for the system font.
// FIXME: becomes the kit's font once fonts exist; the archive is then unarchived, and an
// archive that does not decode falls back to the system font as a missing one does.
struct StoreFont final {
    std::optional<foundation::PlistData> archivedDescriptor;
    double pointSize = 0;

    bool isSystemFont() const { return !archivedDescriptor.has_value(); }
    bool operator==(const StoreFont&) const = default;
};

}  // namespace kelvora
