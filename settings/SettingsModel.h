#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/PropertyList.h"
#include "platform/kit/Color.h"
#include "settings/ZerovinPrefsSectionDataModel.h"

namespace kelvora {

inline constexpr std::string_view kSettingsResourceName = "QVSettings";
inline constexpr std::string_view kSettingsResourceType = "plist";
inline constexpr std::string_view kUpdateAccentColourNotification = "ZerovinAppUpdateAccentColour";

// The settings table: sections and rows of the "QVSettings" resource in resource order, and
// the values its switch and colour rows show and write through SetupManager in each row's
// "BID" domain under its "Key".
//
// Built once per screen and never rebuilt. Rows are the resource's entry dictionaries as they
// stand; the helpers of SettingsEntry, SettingsCellKinds, SettingsColours and SettingsActions
// read them. Stored values are read afresh on every call.
//
// What bad input does: a missing, unreadable or malformed resource, or one without a
// "Preferences" array, gives an empty table. Entries that are not dictionaries are skipped.
// Rows before the first header form a section of their own with no title, rather than being
// lost. A row without "BID" or "Key" reads its default and writes nothing.
class SettingsModel final {
  public:
    using Rows = std::vector<foundation::PlistDictionary>;

    // The accent colour is the app's, read once when the screen loads; rows without their own
    // "AccentColour" show it.
    explicit SettingsModel(kit::Color accentColour) : accentColour_(accentColour) {}

    void setupData(const foundation::Bundle& bundle);

    const std::optional<foundation::PlistDictionary>& settings() const { return settings_; }
    const std::vector<ZerovinPrefsSectionDataModel>& settingsTableSections() const {
        return settingsTableSections_;
    }
    const std::vector<Rows>& settingsTableData() const { return settingsTableData_; }
    // Nothing for a position outside the table.
    const foundation::PlistDictionary* rowAt(std::int64_t section, std::int64_t row) const;
    const kit::Color& accentColour() const { return accentColour_; }

    // Stored values, read for display and for opening the colour picker.
    bool switchValue(const foundation::PlistDictionary& row) const;
    kit::Color colourValue(const foundation::PlistDictionary& row) const;

    // Every tap records the row, whatever its kind, before the screen acts on it; the colour
    // picker's reports go to the row recorded last. A position outside the table records nothing.
    void recordTap(std::int64_t section, std::int64_t row);
    const std::optional<std::string>& prefsBundleID() const { return prefsBundleID_; }
    const std::optional<std::string>& prefsKey() const { return prefsKey_; }
    std::int64_t prefsIndexPathSection() const { return prefsIndexPathSection_; }
    std::int64_t prefsIndexPathRow() const { return prefsIndexPathRow_; }

    // The switch of the row at the position changed; nothing is posted or reloaded.
    void switchChangedState(std::int64_t section, std::int64_t row, bool isOn) const;
    // One report of the colour picker (each change and its closing send one): stores the
    // colour as six upper-case hex digits for the last tapped row, then posts
    // "ZerovinAppUpdateAccentColour" with the screen as object.
    void colorPickerViewControllerDidSelectColor(const kit::Color& colour,
                                                 const void* screen) const;

  private:
    void appendEntry(const foundation::PlistDictionary& entry);

    kit::Color accentColour_;
    std::optional<foundation::PlistDictionary> settings_;
    std::vector<ZerovinPrefsSectionDataModel> settingsTableSections_;
    std::vector<Rows> settingsTableData_;
    std::optional<std::string> prefsBundleID_;
    std::optional<std::string> prefsKey_;
    std::int64_t prefsIndexPathSection_ = 0;
    std::int64_t prefsIndexPathRow_ = 0;
};

}  // namespace kelvora
