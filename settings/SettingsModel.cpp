#include "settings/SettingsModel.h"

#include "platform/foundation/NotificationCenter.h"
#include "settings/SettingsCellKind.h"
#include "settings/SettingsColours.h"
#include "settings/SettingsEntry.h"
#include "store/SetupManager.h"

namespace kelvora {

namespace {

ZerovinPrefsSectionDataModel sectionOfHeader(const foundation::PlistDictionary& header) {
    using namespace SettingsEntry;
    return ZerovinPrefsSectionDataModel(text(header, kTitleKey).value_or(""),
                                        text(header, kAccentColourKey),
                                        boolean(header, kShowIconKey), text(header, kIconKey));
}

const foundation::PlistArray* preferencesOf(
    const std::optional<foundation::PlistDictionary>& root) {
    if (!root) {
        return nullptr;
    }
    auto found = root->find(SettingsEntry::kPreferencesKey);
    return found == root->end() ? nullptr : found->second.get<foundation::PlistArray>();
}

}  // namespace

void SettingsModel::setupData(const foundation::Bundle& bundle) {
    settingsTableSections_.clear();
    settingsTableData_.clear();
    settings_ = bundle.dictionaryForResource(kSettingsResourceName, kSettingsResourceType);
    const foundation::PlistArray* entries = preferencesOf(settings_);
    if (!entries) {
        return;
    }
    for (const auto& value : *entries) {
        if (const auto* entry = value.get<foundation::PlistDictionary>()) {
            appendEntry(*entry);
        }
    }
}

void SettingsModel::appendEntry(const foundation::PlistDictionary& entry) {
    if (SettingsCellKinds::kindOfEntry(entry) == SettingsCellKind::sectionHeader) {
        settingsTableSections_.push_back(sectionOfHeader(entry));
        settingsTableData_.emplace_back();
        return;
    }
    if (settingsTableData_.empty()) {
        settingsTableSections_.emplace_back("", std::nullopt, false, std::nullopt);
        settingsTableData_.emplace_back();
    }
    settingsTableData_.back().push_back(entry);
}

const foundation::PlistDictionary* SettingsModel::rowAt(std::int64_t section,
                                                        std::int64_t row) const {
    if (section < 0 || static_cast<std::uint64_t>(section) >= settingsTableData_.size()) {
        return nullptr;
    }
    const Rows& rows = settingsTableData_[static_cast<std::size_t>(section)];
    if (row < 0 || static_cast<std::uint64_t>(row) >= rows.size()) {
        return nullptr;
    }
    return &rows[static_cast<std::size_t>(row)];
}

bool SettingsModel::switchValue(const foundation::PlistDictionary& row) const {
    using namespace SettingsEntry;
    const bool defaultValue = boolean(row, kDefaultValueKey);
    auto key = text(row, kKeyKey);
    if (!key) {
        return defaultValue;
    }
    return SetupManager::sharedInstance().boolForKey(*key, defaultValue, text(row, kBIDKey));
}

kit::Color SettingsModel::colourValue(const foundation::PlistDictionary& row) const {
    using namespace SettingsEntry;
    auto defaultColour = text(row, kDefaultColourKey);
    auto key = text(row, kKeyKey);
    if (!key) {
        return SettingsColours::colorWithHexString(defaultColour);
    }
    // A stored value that is not a text is no colour: the default shows, as elsewhere in the app.
    auto stored = SetupManager::sharedInstance().objectForKey(*key, text(row, kBIDKey));
    if (stored && stored->is<std::string>()) {
        return SettingsColours::colorWithHexString(*stored->get<std::string>());
    }
    return SettingsColours::colorWithHexString(defaultColour);
}

void SettingsModel::recordTap(std::int64_t section, std::int64_t row) {
    const foundation::PlistDictionary* entry = rowAt(section, row);
    if (!entry) {
        return;
    }
    prefsBundleID_ = SettingsEntry::text(*entry, SettingsEntry::kBIDKey);
    prefsKey_ = SettingsEntry::text(*entry, SettingsEntry::kKeyKey);
    prefsIndexPathSection_ = section;
    prefsIndexPathRow_ = row;
}

void SettingsModel::switchChangedState(std::int64_t section, std::int64_t row, bool isOn) const {
    const foundation::PlistDictionary* entry = rowAt(section, row);
    if (!entry) {
        return;
    }
    auto key = SettingsEntry::text(*entry, SettingsEntry::kKeyKey);
    if (!key) {
        return;
    }
    SetupManager::sharedInstance().setBool(isOn, *key,
                                           SettingsEntry::text(*entry, SettingsEntry::kBIDKey));
}

void SettingsModel::colorPickerViewControllerDidSelectColor(const kit::Color& colour,
                                                            const void* screen) const {
    if (prefsKey_) {
        SetupManager::sharedInstance().setObject(SettingsColours::hexStringFromColor(colour),
                                                 *prefsKey_, prefsBundleID_);
    }
    foundation::NotificationCenter::defaultCenter().post(
        std::string(kUpdateAccentColourNotification), screen);
}

}  // namespace kelvora
