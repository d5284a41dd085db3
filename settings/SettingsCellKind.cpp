#include "settings/SettingsCellKind.h"

#include <array>

#include "settings/SettingsEntry.h"

namespace kelvora {

namespace {

struct KindRecord {
    std::string_view cellType;
    SettingsCellKind kind;
    std::string_view reuseIdentifier;
    std::optional<std::string_view> fallbackSymbol;
};

constexpr std::string_view kPlainReuseIdentifier = "Cell";

constexpr std::array<KindRecord, 7> kKinds{{
    {"ZerovinPrefsSectionHeaderCell", SettingsCellKind::sectionHeader, "", std::nullopt},
    {"ZerovinPrefsSwitchCell", SettingsCellKind::switchRow, "SwitchCell", "switch.2"},
    {"ZerovinPrefsColourPickerCell", SettingsCellKind::colourPicker, "ColourPickerCell",
     "paintpalette.fill"},
    {"ZerovinPrefsHyperlinkCell", SettingsCellKind::hyperlink, "HyperlinkCell", "link"},
    {"ZerovinPrefsSocialCell", SettingsCellKind::social, "SocialCell", std::nullopt},
    {"ZerovinPrefsButtonCell", SettingsCellKind::button, "ButtonCell", "apps.iphone"},
    {"ZerovinPrefsTintedButtonCell", SettingsCellKind::tintedButton, kPlainReuseIdentifier,
     std::nullopt},
}};

const KindRecord* recordOfKind(SettingsCellKind kind) {
    for (const auto& record : kKinds) {
        if (record.kind == kind) {
            return &record;
        }
    }
    return nullptr;
}

}  // namespace

namespace SettingsCellKinds {

SettingsCellKind kindOfEntry(const foundation::PlistDictionary& entry) {
    auto cellType = SettingsEntry::text(entry, SettingsEntry::kCellTypeKey);
    if (!cellType) {
        return SettingsCellKind::plain;
    }
    for (const auto& record : kKinds) {
        if (record.cellType == *cellType) {
            return record.kind;
        }
    }
    return SettingsCellKind::plain;
}

std::string_view reuseIdentifier(SettingsCellKind kind) {
    const KindRecord* record = recordOfKind(kind);
    return record ? record->reuseIdentifier : kPlainReuseIdentifier;
}

bool isFilled(SettingsCellKind kind) {
    return kind != SettingsCellKind::sectionHeader && kind != SettingsCellKind::tintedButton &&
           kind != SettingsCellKind::plain;
}

std::optional<std::string_view> fallbackSymbol(SettingsCellKind kind) {
    const KindRecord* record = recordOfKind(kind);
    return record ? record->fallbackSymbol : std::nullopt;
}

std::optional<std::string> iconName(const foundation::PlistDictionary& entry) {
    if (auto icon = SettingsEntry::text(entry, SettingsEntry::kIconKey)) {
        return icon;
    }
    if (auto symbol = fallbackSymbol(kindOfEntry(entry))) {
        return std::string(*symbol);
    }
    return std::nullopt;
}

}  // namespace SettingsCellKinds

}  // namespace kelvora
