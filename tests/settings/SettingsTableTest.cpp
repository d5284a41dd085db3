#include <gtest/gtest.h>

#include "settings/SettingsCellKind.h"
#include "tests/settings/SettingsFixture.h"

namespace kelvora {

using foundation::PlistArray;
using foundation::PlistDictionary;
using foundation::PlistValue;

namespace {

class SettingsTableTest : public SettingsFixture {
  protected:
    std::vector<std::string> titles(const SettingsModel& model) const {
        std::vector<std::string> titles;
        for (const auto& section : model.settingsTableSections()) {
            titles.push_back(section.title);
        }
        return titles;
    }
};

TEST_F(SettingsTableTest, MissingOrUnusableResourcesGiveAnEmptyTable) {
    EXPECT_FALSE(loadModel().settings().has_value());
    for (const std::string& text :
         {std::string(), std::string("<plist><dict><key>Preferences"),
          foundation::xmlPropertyList(PlistArray{header("An array is no root")}),
          foundation::xmlPropertyList(PlistDictionary{{"Other", PlistArray{header("Unread")}}}),
          foundation::xmlPropertyList(PlistDictionary{{"Preferences", header("Not an array")}})}) {
        writeResourceText(text);
        SettingsModel model = loadModel();
        EXPECT_TRUE(model.settingsTableSections().empty()) << text;
        EXPECT_TRUE(model.settingsTableData().empty()) << text;
    }
}

TEST_F(SettingsTableTest, HeadersOpenSectionsEvenEmptyOnesAndRowsStayAsWritten) {
    const PlistDictionary colour =
        entry("ZerovinPrefsColourPickerCell", {{"Key", "tint"}, {"Extra", PlistArray{1, "two"}}});
    const PlistDictionary button = entry("ZerovinPrefsButtonCell", {{"Title", "Go"}});
    writeResource({header("One"), colour, button, header("Empty"), header("Three"), entry("?")});
    SettingsModel model = loadModel();

    EXPECT_EQ(titles(model), (std::vector<std::string>{"One", "Empty", "Three"}));
    ASSERT_EQ(model.settingsTableData().size(), 3u);
    EXPECT_EQ(model.settingsTableData()[0], (SettingsModel::Rows{colour, button}));
    EXPECT_TRUE(model.settingsTableData()[1].empty());
    EXPECT_EQ(*model.rowAt(2, 0), entry("?"));
    EXPECT_EQ(model.rowAt(1, 0), nullptr);
    EXPECT_EQ(model.rowAt(-1, 0), nullptr);
    EXPECT_EQ(model.rowAt(2, 1), nullptr) << "one past the last row";
}

TEST_F(SettingsTableTest, HeaderRecordsTakeFourKeysAndReadWrongKindsAsMissing) {
    PlistDictionary full =
        entry("ZerovinPrefsSectionHeaderCell", {{"Title", "Look"},
                                                {"AccentColour", "teal"},
                                                {"ShowIcon", 1},
                                                {"Icon", "paintbrush.fill"},
                                                {"Action", "presentChangelogVC"}});
    writeResource({full, entry("ZerovinPrefsSectionHeaderCell",
                               {{"Title", 12}, {"ShowIcon", "NO"}, {"AccentColour", false}})});
    SettingsModel model = loadModel();

    ASSERT_EQ(model.settingsTableSections().size(), 2u);
    const auto& look = model.settingsTableSections()[0];
    EXPECT_EQ(look.title, "Look");
    EXPECT_EQ(look.accent, "teal");
    EXPECT_TRUE(look.showIcon);
    EXPECT_EQ(look.icon, "paintbrush.fill");
    const auto& odd = model.settingsTableSections()[1];
    EXPECT_EQ(odd.title, "");
    EXPECT_FALSE(odd.accent.has_value() || odd.showIcon || odd.icon.has_value());
}

TEST_F(SettingsTableTest, RowsBeforeAnyHeaderAreKeptAndNonDictionariesSkipped) {
    const PlistDictionary early = entry("ZerovinPrefsButtonCell", {{"Title", "Early"}});
    writeResource({"loose text", early, PlistValue(7), header("Later"),
                   PlistArray{header("Nested")}, entry("ZerovinPrefsSwitchCell")});
    SettingsModel model = loadModel();

    EXPECT_EQ(titles(model), (std::vector<std::string>{"", "Later"}));
    EXPECT_EQ(model.settingsTableData()[0], SettingsModel::Rows{early});
    EXPECT_EQ(model.settingsTableData()[1], SettingsModel::Rows{entry("ZerovinPrefsSwitchCell")});
    // A stale index path of a table that shrank: with two sections nothing is kept spare behind
    // the last, so a read one past it is a read past the table, which the sanitizer reports.
    EXPECT_EQ(model.rowAt(2, 0), nullptr);
}

}  // namespace

}  // namespace kelvora
