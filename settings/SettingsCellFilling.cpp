#include "settings/SettingsCellFilling.h"

#include "settings/SettingsCellKind.h"
#include "settings/SettingsColours.h"
#include "settings/SettingsEntry.h"
#include "settings/ZerovinPrefsColourPickerCell.h"
#include "settings/ZerovinPrefsSwitchCell.h"

namespace kelvora {

namespace SettingsCellFilling {

namespace {

void fillPicture(ZerovinPrefsCell& cell, const foundation::PlistDictionary& row,
                 SettingsCellKind kind, const SettingsModel& model) {
    auto name = SettingsCellKinds::iconName(row);
    if (kind == SettingsCellKind::social) {
        // The row's own picture, untinted and without a tile.
        cell.icon()->setImage(name ? kit::Image::imageNamed(*name) : std::nullopt);
        return;
    }
    const kit::Color colour = SettingsColours::rowColour(row, model.accentColour());
    cell.iconView()->setBackgroundColor(colour.withAlpha(0.4));
    cell.icon()->setTintColor(colour);
    cell.icon()->setImage(name ? kit::Image::systemImageNamed(*name) : std::nullopt);
}

}  // namespace

void fill(ZerovinPrefsCell& cell, const foundation::PlistDictionary& row,
          const SettingsModel& model) {
    using namespace SettingsEntry;
    const SettingsCellKind kind = SettingsCellKinds::kindOfEntry(row);
    cell.setBackgroundColor(kit::Color::clearColor());
    cell.setSelectionStyle(kit::TableViewCellSelectionStyle::none);
    fillPicture(cell, row, kind, model);
    cell.titleLabel()->setText(text(row, kTitleKey).value_or(""));
    cell.subtitleLabel()->setText(text(row, kSubtitleKey).value_or(""));

    if (auto* switchCell = dynamic_cast<ZerovinPrefsSwitchCell*>(&cell)) {
        switchCell->toggleSwitch()->setOnTintColor(SettingsColours::switchOnColour(row));
        switchCell->toggleSwitch()->setOn(model.switchValue(row), false);
    } else if (auto* colourCell = dynamic_cast<ZerovinPrefsColourPickerCell*>(&cell)) {
        colourCell->colourView()->setBackgroundColor(model.colourValue(row));
    }
}

}  // namespace SettingsCellFilling

}  // namespace kelvora
