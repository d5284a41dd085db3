#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/ColorPickerViewController.h"
#include "platform/kit/TabBarController.h"
#include "settings/SettingsActions.h"
#include "settings/SettingsColours.h"
#include "settings/SettingsEntry.h"
#include "settings/ZerovinPrefsColourPickerCell.h"
#include "settings/ZerovinPrefsSwitchCell.h"
#include "store/StoreConstants.h"
#include "tests/settings/SettingsFixture.h"
#include "tests/support/Golden.h"

namespace kelvora {

using foundation::PlistDictionary;

namespace {

constexpr std::string_view kTweakFile = "/var/jb/vmo/Library/Preferences/com.example.tweak.plist";
constexpr std::string_view kAppFile =
    "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraPrefs.plist";

class SettingsScreenTest : public SettingsFixture {
  protected:
    std::optional<foundation::PlistValue> stored(std::string_view path,
                                                 const std::string& key) const {
        auto values = foundation::dictionaryWithContentsOfFile(path).value_or(PlistDictionary{});
        auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    std::shared_ptr<kit::TableViewCell> cellAt(std::int64_t section, std::int64_t row) const {
        return screen->tableView()->cellForRow({section, row});
    }
};

// Every kind of row once, under a header with a symbol and one without.
TEST_F(SettingsScreenTest, ShowsTheBarThePanelAndEveryKindOfRow) {
    writeResource(
        {entry("ZerovinPrefsSectionHeaderCell", {{"Title", "Look"},
                                                 {"ShowIcon", true},
                                                 {"Icon", "paintbrush.fill"},
                                                 {"AccentColour", "teal"}}),
         entry("ZerovinPrefsSwitchCell",
               {{"Title", "A rather long title that would run under the switch"},
                {"Subtitle", "Hides the dock"}}),
         entry("ZerovinPrefsColourPickerCell", {{"Title", "Accent Colour"}}), header("Plain"),
         entry("ZerovinPrefsHyperlinkCell", {{"Title", "Website"}, {"Subtitle", "example.com"}}),
         entry("ZerovinPrefsSocialCell", {{"Title", "Contact"}, {"Icon", "telegram"}}),
         entry("ZerovinPrefsButtonCell", {{"Title", "Changelog"}}),
         entry("ZerovinPrefsTintedButtonCell")});
    showScreen();
    testsupport::expectScreenMatchesGolden(window, "settings-screen-notched-light");
}

// The table as it ships: its actions are all the screen's, its one stored setting is the accent
// colour the app reads, and its rows work by tapping.
TEST_F(SettingsScreenTest, TheShippedTableIsOneTheAppCanHonour) {
    showScreen(testsupport::sourceDir() / "resources");
    const PlistDictionary* colour = nullptr;
    for (std::int64_t section = 0; section < screen->tableView()->numberOfSections(); ++section) {
        for (std::int64_t row = 0; auto* entry = screen->model().rowAt(section, row); ++row) {
            if (auto action = SettingsEntry::text(*entry, "Action")) {
                EXPECT_TRUE(screen->definesAction(*action)) << *action;
            }
            if (entry->contains("Key")) {
                EXPECT_EQ(colour, nullptr) << "a second stored setting";
                colour = entry;
            }
        }
    }
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(SettingsEntry::text(*colour, "BID"), std::string(kKelvoraPrefsID));
    EXPECT_EQ(SettingsEntry::text(*colour, "Key"), std::string(kAccentColourKey));

    tap("Contact the Developer");
    EXPECT_EQ(opened, (std::vector<std::string>{"tg://msg?text=Text&to=zerovin"}));
    tap("Changelog");
    ASSERT_TRUE(presentedAlert());
    EXPECT_EQ(presentedAlert()->message(),
              "Sorry the changelog isn't available at the moment since it's the initial release.");
    tapAndWait("Okay");
    EXPECT_FALSE(screen->presentedViewController());
    tap("Restore Original Files");
    ASSERT_TRUE(presentedAlert());
    EXPECT_EQ(presentedAlert()->alertTitle(), "Kelvora");
}

TEST_F(SettingsScreenTest, TheTableEndsClearOfTheTabBar) {
    screen = SettingViewController::make(foundation::Bundle(bundleFolder()));
    auto tabs = std::make_shared<kit::TabBarController>();
    tabs->setViewControllers({screen});
    show(tabs);
    // The notched screen's tab bar: 49 points of buttons over 34 of home indicator.
    EXPECT_EQ(screen->tableView()->contentInset().bottom, 49 + 34 + 10);
    EXPECT_EQ(screen->tableView()->contentOffset().y, 0);
}

TEST_F(SettingsScreenTest, ASwitchToggledTwiceStoresItsFinalState) {
    root.makeFolder("/var/jb/vmo/Library/Preferences");
    writeResource({header("Tweak"), entry("ZerovinPrefsSwitchCell", {{"Title", "Hide dock"},
                                                                     {"BID", "com.example.tweak"},
                                                                     {"Key", "hideDock"},
                                                                     {"AccentColour", "green"}})});
    showScreen();
    auto cell = std::dynamic_pointer_cast<ZerovinPrefsSwitchCell>(cellAt(0, 0));
    ASSERT_TRUE(cell);
    EXPECT_FALSE(cell->toggleSwitch()->isOn());
    EXPECT_EQ(cell->toggleSwitch()->onTintColor(), kit::Color::systemGreenColor());

    ASSERT_TRUE(driver->tapAt(centreOf(*cell->toggleSwitch())).ok());
    EXPECT_EQ(stored(kTweakFile, "hideDock"), foundation::PlistValue(true));
    ASSERT_TRUE(driver->tapAt(centreOf(*cell->toggleSwitch())).ok());
    EXPECT_EQ(stored(kTweakFile, "hideDock"), foundation::PlistValue(false));
}

TEST_F(SettingsScreenTest, APickedColourIsStoredAsHexAndEveryReportPostsOnce) {
    writeResource(
        {header("Look"), entry("ZerovinPrefsColourPickerCell", {{"Title", "Accent Colour"},
                                                                {"BID", "com.zerovin.KelvoraPrefs"},
                                                                {"Key", "accentColour"},
                                                                {"DefaultColour", "04C7BE"}})});
    root.makeFolder("/var/jb/vmo/Library/Preferences");
    showScreen();
    auto observer = std::make_shared<int>(0);
    std::vector<const void*> posts;
    foundation::NotificationCenter::defaultCenter().addObserver(
        observer, "ZerovinAppUpdateAccentColour",
        [&posts](const foundation::Notification& note) { posts.push_back(note.object); });

    tap("Accent Colour");
    auto picker = std::dynamic_pointer_cast<kit::ColorPickerViewController>(
        screen->presentedViewController());
    ASSERT_TRUE(picker);
    EXPECT_EQ(SettingsColours::hexStringFromColor(picker->selectedColor()), "04C7BE");
    auto red = picker->swatches()[5 * kit::ColorPickerViewController::gridColumns];
    ASSERT_TRUE(driver->tapAt(centreOf(*red)).ok());
    EXPECT_EQ(stored(kAppFile, "accentColour"), foundation::PlistValue("FF0000"));
    EXPECT_EQ(posts, (std::vector<const void*>{screen.get()}));
    auto cell = std::dynamic_pointer_cast<ZerovinPrefsColourPickerCell>(cellAt(0, 0));
    ASSERT_TRUE(cell);
    EXPECT_EQ(SettingsColours::hexStringFromColor(cell->colourView()->backgroundColor()), "FF0000");

    // Closing reports the shown colour once more.
    tapAndWait("xmark.circle.fill");
    EXPECT_EQ(posts.size(), 2u);
}

TEST_F(SettingsScreenTest, OnlyATintedRowShrinksAndDimsWhilePressed) {
    writeResource({header("Rows"), entry("ZerovinPrefsTintedButtonCell"),
                   entry("ZerovinPrefsButtonCell", {{"Title", "Plain button"}})});
    showScreen();
    auto tinted = cellAt(0, 0);
    auto button = cellAt(0, 1);
    ASSERT_TRUE(tinted && button);

    window->sendTouch(kit::TouchPhase::began, centreOf(*tinted));
    EXPECT_EQ(tinted->transform(), kit::AffineTransform::scale(0.97, 0.97));
    EXPECT_EQ(tinted->alpha(), 0.5);
    window->sendTouch(kit::TouchPhase::ended, centreOf(*tinted));
    EXPECT_TRUE(tinted->transform().isIdentity());
    EXPECT_EQ(tinted->alpha(), 1);

    window->sendTouch(kit::TouchPhase::began, centreOf(*button));
    EXPECT_TRUE(button->transform().isIdentity());
    EXPECT_EQ(button->alpha(), 1);
    window->sendTouch(kit::TouchPhase::cancelled, centreOf(*button));
}

TEST_F(SettingsScreenTest, TheTitleFadesPastFivePointsAndAPullPastTwoHundredSnapsBack) {
    writeResource({header("Rows")});
    showScreen();
    auto& table = *screen->tableView();
    for (auto [offset, alpha] : {std::pair{3.0, 1.0}, {5.0, 0.0}, {3.0, 0.0}, {0.0, 1.0}}) {
        table.setContentOffset({0, offset});
        EXPECT_EQ(screen->navTitle()->alpha(), alpha) << offset;
    }
    table.setContentOffset({0, -200});
    EXPECT_EQ(table.contentOffset().y, -200);
    table.setContentOffset({0, -201});
    EXPECT_EQ(table.contentOffset().y, 0);
}

// A reused cell is filled again from its row; nothing of the row it showed before may stay.
TEST(SettingsCellsTest, AReusedCellShowsNoStaleTextsOrPicture) {
    auto cell = ZerovinPrefsSwitchCell::make("SwitchCell");
    cell->titleLabel()->setText("Old title");
    cell->subtitleLabel()->setText("Old subtitle");
    cell->icon()->setImage(kit::Image::systemImageNamed("switch.2"));
    cell->prepareForReuse();
    EXPECT_EQ(cell->titleLabel()->text(), "");
    EXPECT_EQ(cell->subtitleLabel()->text(), "");
    EXPECT_FALSE(cell->icon()->image());
}

}  // namespace

}  // namespace kelvora
