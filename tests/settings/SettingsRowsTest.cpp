#include <gtest/gtest.h>

#include "platform/foundation/PropertyList.h"
#include "settings/SettingsActions.h"
#include "settings/SettingsCellKind.h"
#include "settings/SettingsColours.h"

namespace kelvora {

using foundation::PlistDictionary;
using kit::Color;
using SettingsColours::colorWithHexString;

namespace {

PlistDictionary kinded(std::string cellType, PlistDictionary more = {}) {
    more["CellType"] = std::move(cellType);
    return more;
}

TEST(SettingsRowsTest, KindsMatchExactlyAndAnythingElseIsAnEmptyPlainRow) {
    using SettingsCellKinds::kindOfEntry;
    EXPECT_EQ(kindOfEntry(kinded("ZerovinPrefsSwitchCell")), SettingsCellKind::switchRow);
    for (const PlistDictionary& odd :
         {PlistDictionary{}, kinded("zerovinPrefsSwitchCell"), kinded(" ZerovinPrefsSwitchCell"),
          kinded(""), PlistDictionary{{"CellType", 3}}}) {
        EXPECT_EQ(kindOfEntry(odd), SettingsCellKind::plain);
    }
    const auto tinted = kindOfEntry(kinded("ZerovinPrefsTintedButtonCell"));
    EXPECT_EQ(tinted, SettingsCellKind::tintedButton);
    EXPECT_FALSE(SettingsCellKinds::isFilled(tinted) ||
                 SettingsCellKinds::isFilled(SettingsCellKind::plain));
}

TEST(SettingsRowsTest, RowsWithoutIconShowTheirKindsSymbolButSocialRowsShowNone) {
    using SettingsCellKinds::iconName;
    EXPECT_EQ(iconName(kinded("ZerovinPrefsSwitchCell", {{"Icon", "bell"}})), "bell");
    EXPECT_EQ(iconName(kinded("ZerovinPrefsSwitchCell")), "switch.2");
    EXPECT_EQ(iconName(kinded("ZerovinPrefsButtonCell", {{"Icon", 4}})), "apps.iphone");
    EXPECT_EQ(iconName(kinded("ZerovinPrefsSocialCell", {{"Icon", "telegram"}})), "telegram");
    EXPECT_FALSE(iconName(kinded("ZerovinPrefsSocialCell")).has_value());
}

TEST(SettingsRowsTest, LinksOpenUnchangedExceptASocialRowsMessagingWord) {
    using SettingsActions::urlOfRow;
    const std::string web = "https://example.org/a b?c=d";
    EXPECT_EQ(urlOfRow(kinded("ZerovinPrefsHyperlinkCell", {{"URL", web}})), web);
    EXPECT_EQ(urlOfRow(kinded("ZerovinPrefsSocialCell", {{"URL", web}})), web);
    EXPECT_EQ(urlOfRow(kinded("ZerovinPrefsSocialCell", {{"URL", "telegram"}})),
              "tg://msg?text=Text&to=zerovin");
    EXPECT_EQ(urlOfRow(kinded("ZerovinPrefsHyperlinkCell", {{"URL", "telegram"}})), "telegram");
    EXPECT_FALSE(urlOfRow(kinded("ZerovinPrefsSocialCell")).has_value());
    EXPECT_FALSE(urlOfRow(kinded("ZerovinPrefsButtonCell", {{"URL", web}})).has_value());
}

TEST(SettingsRowsTest, ButtonRowsRunOnlyActionsTheScreenHas) {
    using SettingsActions::actionOfRow;
    EXPECT_EQ(actionOfRow(kinded("ZerovinPrefsButtonCell", {{"Action", "presentTutorialVC"}})),
              "presentTutorialVC");
    EXPECT_FALSE(actionOfRow(kinded("ZerovinPrefsButtonCell", {{"Action", "dealloc"}})));
    EXPECT_FALSE(actionOfRow(kinded("ZerovinPrefsButtonCell")));
    EXPECT_FALSE(
        actionOfRow(kinded("ZerovinPrefsTintedButtonCell", {{"Action", "presentChangelogVC"}})));
}

// Hex texts are the codec's; the settings add the system's colour names, matched exactly.
TEST(SettingsRowsTest, ColourTextsTryExactNamesThenHexElseGray) {
    EXPECT_EQ(colorWithHexString("blue"), Color::systemBlueColor());
    EXPECT_EQ(colorWithHexString("tertiary"), Color::tertiaryLabelColor());
    EXPECT_EQ(colorWithHexString(" 0x04c7be "), colorWithHexString("04C7BE"));
    EXPECT_EQ(colorWithHexString("Blue"), Color::grayColor());
    EXPECT_EQ(colorWithHexString(std::nullopt), Color::grayColor());
}

TEST(SettingsRowsTest, RowsFallBackToTheScreensAccentButSwitchesAndHeadersDoNot) {
    const Color screen = Color::rgba(0.1, 0.2, 0.3);
    const PlistDictionary plain = kinded("ZerovinPrefsSwitchCell");
    const PlistDictionary pink = kinded("ZerovinPrefsSwitchCell", {{"AccentColour", "pink"}});
    EXPECT_EQ(SettingsColours::rowColour(plain, screen), screen);
    EXPECT_EQ(SettingsColours::switchOnColour(plain), Color::grayColor());
    EXPECT_EQ(SettingsColours::rowColour(pink, screen), Color::systemPinkColor());
    EXPECT_EQ(SettingsColours::switchOnColour(pink), Color::systemPinkColor());
    EXPECT_EQ(SettingsColours::rowColour({{"AccentColour", "#FF0000"}}, screen),
              Color::grayColor());
    EXPECT_EQ(SettingsColours::headerColour({"A", std::nullopt, true, "star"}),
              Color::tertiaryLabelColor());
    EXPECT_EQ(SettingsColours::headerColour({"A", "teal", true, "star"}), Color::systemTealColor());
}

}  // namespace

}  // namespace kelvora
