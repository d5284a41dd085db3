#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace kelvora {

// The kinds of entry in the settings resource, chosen by the entry's "CellType" compared
// exactly. A header opens a section and is never a row; any "CellType" not listed here, a
// missing one, or one that is not a text makes a plain row.
enum class SettingsCellKind {
    sectionHeader,
    switchRow,
    colourPicker,
    hyperlink,
    social,
    button,
    tintedButton,  // a plain row that shrinks and dims while pressed
    plain,
};

namespace SettingsCellKinds {

SettingsCellKind kindOfEntry(const foundation::PlistDictionary& entry);
// The identifier under which the table reuses cells of the kind; empty for headers.
std::string_view reuseIdentifier(SettingsCellKind kind);
// Whether the screen fills the kind's cell (texts, icon, colours); plain rows stay empty.
bool isFilled(SettingsCellKind kind);
// The symbol a filled row shows when its entry has no "Icon". Social rows have none: their
// "Icon" names a picture of the bundle.
std::optional<std::string_view> fallbackSymbol(SettingsCellKind kind);
// The entry's "Icon", or its kind's fallback symbol.
std::optional<std::string> iconName(const foundation::PlistDictionary& entry);

}  // namespace SettingsCellKinds

}  // namespace kelvora
