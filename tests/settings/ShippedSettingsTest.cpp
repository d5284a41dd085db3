#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/SettingsActions.h"
#include "settings/SettingsCellKind.h"
#include "settings/SettingsEntry.h"
#include "settings/SettingsModel.h"
#include "store/StoreConstants.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

using foundation::PlistDictionary;

namespace {

// The table as it ships, checked against what the screen and the rest of the app can do, so
// that an edit the app cannot honour fails here rather than on screen.
class ShippedSettingsTest : public testing::Test {
  protected:
    testsupport::DeviceRoot root;
    SettingsModel model = SettingsModel(kit::Color::systemTealColor());

    void SetUp() override {
        model.setupData(foundation::Bundle(testsupport::sourceDir() / "resources"));
    }
    std::vector<PlistDictionary> rows() const {
        std::vector<PlistDictionary> all;
        for (const auto& section : model.settingsTableData()) {
            all.insert(all.end(), section.begin(), section.end());
        }
        return all;
    }
};

TEST_F(ShippedSettingsTest, OpensWithAHeaderAndEverySectionAndRowIsTitled) {
    ASSERT_TRUE(model.settings().has_value());
    const auto& first = model.settings()->at("Preferences").get<foundation::PlistArray>()->front();
    EXPECT_EQ(SettingsCellKinds::kindOfEntry(*first.get<PlistDictionary>()),
              SettingsCellKind::sectionHeader);
    ASSERT_FALSE(model.settingsTableSections().empty());
    for (std::size_t section = 0; section < model.settingsTableSections().size(); ++section) {
        EXPECT_FALSE(model.settingsTableSections()[section].title.empty());
        EXPECT_FALSE(model.settingsTableData()[section].empty()) << section;
    }
    for (const auto& row : rows()) {
        EXPECT_TRUE(SettingsCellKinds::isFilled(SettingsCellKinds::kindOfEntry(row)));
        EXPECT_FALSE(SettingsEntry::text(row, "Title").value_or("").empty());
    }
}

TEST_F(ShippedSettingsTest, EveryActionIsOneTheScreenHasAndEveryLinkOpensSomething) {
    std::set<std::string> actions;
    for (const auto& row : rows()) {
        const auto kind = SettingsCellKinds::kindOfEntry(row);
        if (auto action = SettingsEntry::text(row, "Action")) {
            EXPECT_TRUE(kind == SettingsCellKind::button && SettingsActions::isAction(*action))
                << *action;
            actions.insert(*action);
        }
        if (kind == SettingsCellKind::hyperlink || kind == SettingsCellKind::social) {
            EXPECT_TRUE(SettingsActions::urlOfRow(row).has_value());
        }
    }
    EXPECT_EQ(actions, (std::set<std::string>{"presentRestoreOriginalFilesConfirmation",
                                              "presentRestorePointsVC", "presentChangelogVC"}));
}

TEST_F(ShippedSettingsTest, TheOnlyStoredSettingIsTheAccentColourTheAppReads) {
    std::vector<PlistDictionary> stored;
    for (const auto& row : rows()) {
        if (row.contains("BID") || row.contains("Key") ||
            SettingsCellKinds::kindOfEntry(row) == SettingsCellKind::switchRow) {
            stored.push_back(row);
        }
    }
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(SettingsCellKinds::kindOfEntry(stored[0]), SettingsCellKind::colourPicker);
    EXPECT_EQ(SettingsEntry::text(stored[0], "BID"), std::string(kKelvoraPrefsID));
    EXPECT_EQ(SettingsEntry::text(stored[0], "Key"), std::string(kAccentColourKey));
    EXPECT_EQ(SettingsEntry::text(stored[0], "DefaultColour"), std::string(kDefaultAccentColour));
}

}  // namespace

}  // namespace kelvora
