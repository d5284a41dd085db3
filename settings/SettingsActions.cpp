#include "settings/SettingsActions.h"

#include <algorithm>

#include "settings/SettingsCellKind.h"
#include "settings/SettingsEntry.h"

namespace kelvora {

namespace SettingsActions {

bool isAction(std::string_view name) {
    return std::find(kActions.begin(), kActions.end(), name) != kActions.end();
}

std::optional<std::string_view> actionOfRow(const foundation::PlistDictionary& row) {
    if (SettingsCellKinds::kindOfEntry(row) != SettingsCellKind::button) {
        return std::nullopt;
    }
    auto name = SettingsEntry::text(row, SettingsEntry::kActionKey);
    if (!name) {
        return std::nullopt;
    }
    auto found = std::find(kActions.begin(), kActions.end(), *name);
    if (found == kActions.end()) {
        return std::nullopt;
    }
    return *found;
}

std::optional<std::string> urlOfRow(const foundation::PlistDictionary& row) {
    const SettingsCellKind kind = SettingsCellKinds::kindOfEntry(row);
    if (kind != SettingsCellKind::hyperlink && kind != SettingsCellKind::social) {
        return std::nullopt;
    }
    auto url = SettingsEntry::text(row, SettingsEntry::kURLKey);
    if (url && kind == SettingsCellKind::social && *url == kTelegramWord) {
        return std::string(kTelegramLink);
    }
    return url;
}

}  // namespace SettingsActions

}  // namespace kelvora
