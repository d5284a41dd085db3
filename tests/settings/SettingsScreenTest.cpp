#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/ColorPickerViewController.h"
#include "platform/kit/TabBarController.h"
#include "settings/SettingsActions.h"
#include "settings/SettingsColours.h"
#include "settings/ZerovinPrefsColourPickerCell.h"
#include "settings/ZerovinPrefsSwitchCell.h"
#include "tests/settings/SettingsScreenFixture.h"
#include "tests/ui/GeometryPrinting.h"

namespace kelvora {

using foundation::PlistDictionary;

namespace {

constexpr std::string_view kTweakFile = "/var/jb/vmo/Library/Preferences/com.example.tweak.plist";
constexpr std::string_view kAppFile =
    "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraPrefs.plist";

class SettingsScreenTest : public SettingsScreenFixture {
  protected:
    PlistDictionary readFile(std::string_view path) const {
        return foundation::dictionaryWithContentsOfFile(path).value_or(PlistDictionary{});
    }
    std::optional<foundation::PlistValue> stored(std::string_view path,
                                                 const std::string& key) const {
        auto values = readFile(path);
        auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    std::shared_ptr<kit::AlertController> presentedAlert() const {
        return std::dynamic_pointer_cast<kit::AlertController>(screen->presentedViewController());
    }
};

TEST_F(SettingsScreenTest, ShowsTheTopBarTheHeaderPanelAndEachSectionsHeader) {
    writeResource({entry("ZerovinPrefsSectionHeaderCell", {{"Title", "Look"},
                                                           {"ShowIcon", true},
                                                           {"Icon", "paintbrush.fill"},
                                                           {"AccentColour", "teal"}}),
                   entry("ZerovinPrefsButtonCell", {{"Title", "Changelog"}}), header("Plain")});
    showScreen();
    for (const char* text : {"Settings", "version 1.3", "Look", "Plain", "Changelog"}) {
        EXPECT_TRUE(driver->isShowing(text)) << text;
    }
    EXPECT_EQ(screen->headerView()->frame(), (kit::Rect{0, 0, 390, 90}));
    // The title stays in front of the table that scrolls under the bar.
    EXPECT_EQ(screen->view()->subviews().back(), screen->headerView());
    EXPECT_EQ(cellAt(0, 0)->frame().height(), 75);
    auto look = screen->tableView()->headerView(0);
    auto plain = screen->tableView()->headerView(1);
    ASSERT_TRUE(look && plain);
    EXPECT_EQ(look->frame().height(), 40);
    // Without a symbol the title takes its place at the leading edge.
    auto lookTitle = driver->find("Look");
    auto plainTitle = driver->find("Plain");
    EXPECT_EQ(plainTitle->frame().minX(), 23);
    EXPECT_EQ(lookTitle->frame().minX(), 23 + 20 + 10);
    EXPECT_EQ(std::dynamic_pointer_cast<kit::Label>(lookTitle)->textColor(),
              kit::Color::systemTealColor());
    EXPECT_EQ(std::dynamic_pointer_cast<kit::Label>(plainTitle)->textColor(),
              kit::Color::tertiaryLabelColor());
}

TEST_F(SettingsScreenTest, TheTableEndsClearOfTheTabBarAndTheScreenAnswersEveryListedAction) {
    screen = SettingViewController::make(foundation::Bundle(bundleFolder()));
    auto tabs = std::make_shared<kit::TabBarController>();
    tabs->setViewControllers({screen});
    window->setRootViewController(tabs);
    window->makeKeyAndVisible();
    kit::Driver(window).settle();
    // The notched screen's tab bar: 49 points of buttons over 34 of home indicator.
    EXPECT_EQ(screen->tableView()->contentInset().bottom, 49 + 34 + 10);
    EXPECT_EQ(screen->tableView()->contentOffset().y, 0);
    for (std::string_view action : SettingsActions::kActions) {
        EXPECT_TRUE(screen->definesAction(action)) << action;
    }
}

TEST_F(SettingsScreenTest, WithoutAResourceOnlyTheBarAndThePanelShow) {
    showScreen();
    EXPECT_EQ(screen->tableView()->numberOfSections(), 0);
    EXPECT_EQ(driver->textsOnScreen(), (std::vector<std::string>{"Settings", "version 1.3"}));
}

TEST_F(SettingsScreenTest, ASwitchToggledTwiceStoresItsFinalStateAndKeepsTheFilesOtherKeys) {
    root.makeFolder("/var/jb/vmo/Library/Preferences");
    ASSERT_TRUE(foundation::writeToFile({{"keep", "me"}, {"count", 3}}, kTweakFile));
    writeResource({header("Tweak"), entry("ZerovinPrefsSwitchCell", {{"Title", "Hide dock"},
                                                                     {"BID", "com.example.tweak"},
                                                                     {"Key", "hideDock"},
                                                                     {"AccentColour", "green"}})});
    showScreen();
    auto cell = std::dynamic_pointer_cast<ZerovinPrefsSwitchCell>(cellAt(0, 0));
    ASSERT_TRUE(cell);
    EXPECT_FALSE(cell->toggleSwitch()->isOn());
    EXPECT_EQ(cell->toggleSwitch()->onTintColor(), kit::Color::systemGreenColor());

    ASSERT_TRUE(driver->tapAt(centreInWindow(*cell->toggleSwitch())).ok());
    EXPECT_EQ(stored(kTweakFile, "hideDock"), foundation::PlistValue(true));
    ASSERT_TRUE(driver->tapAt(centreInWindow(*cell->toggleSwitch())).ok());
    auto stored = readFile(kTweakFile);
    EXPECT_EQ(stored.at("hideDock"), foundation::PlistValue(false));
    EXPECT_EQ(stored.at("keep"), foundation::PlistValue("me"));
    EXPECT_EQ(stored.at("count"), foundation::PlistValue(3));
    EXPECT_EQ(stored.size(), 3u);
}

TEST_F(SettingsScreenTest, APickedColourIsStoredAsHexAndEveryReportPostsOnce) {
    writeResource(
        {header("Look"), entry("ZerovinPrefsColourPickerCell", {{"Title", "Accent Colour"},
                                                                {"BID", "com.zerovin.KelvoraPrefs"},
                                                                {"Key", "accentColour"},
                                                                {"DefaultColour", "04C7BE"}})});
    auto observer = std::make_shared<int>(0);
    std::vector<const void*> posts;
    foundation::NotificationCenter::defaultCenter().addObserver(
        observer, "ZerovinAppUpdateAccentColour",
        [&posts](const foundation::Notification& note) { posts.push_back(note.object); });
    root.makeFolder("/var/jb/vmo/Library/Preferences");
    showScreen();

    ASSERT_TRUE(driver->tap("Accent Colour").ok());
    auto picker = std::dynamic_pointer_cast<kit::ColorPickerViewController>(
        screen->presentedViewController());
    ASSERT_TRUE(picker);
    EXPECT_TRUE(driver->isShowing("Zerovin Colour Picker"));
    EXPECT_EQ(SettingsColours::hexStringFromColor(picker->selectedColor()), "04C7BE");
    EXPECT_TRUE(posts.empty());

    auto red = picker->swatches()[5 * kit::ColorPickerViewController::gridColumns];
    ASSERT_TRUE(driver->tapAt(centreInWindow(*red)).ok());
    EXPECT_EQ(stored(kAppFile, "accentColour"), foundation::PlistValue("FF0000"));
    EXPECT_EQ(posts, (std::vector<const void*>{screen.get()}));
    auto cell = std::dynamic_pointer_cast<ZerovinPrefsColourPickerCell>(cellAt(0, 0));
    ASSERT_TRUE(cell);
    EXPECT_EQ(SettingsColours::hexStringFromColor(cell->colourView()->backgroundColor()), "FF0000");

    // Closing reports the shown colour once more.
    ASSERT_TRUE(driver->tap("xmark.circle.fill").ok());
    driver->wait(1);
    EXPECT_EQ(posts.size(), 2u);
    EXPECT_EQ(stored(kAppFile, "accentColour"), foundation::PlistValue("FF0000"));

    // Opened again, the picker starts from the stored colour rather than the default.
    ASSERT_TRUE(driver->tap("Accent Colour").ok());
    picker = std::dynamic_pointer_cast<kit::ColorPickerViewController>(
        screen->presentedViewController());
    ASSERT_TRUE(picker);
    EXPECT_EQ(SettingsColours::hexStringFromColor(picker->selectedColor()), "FF0000");
}

TEST_F(SettingsScreenTest, ButtonRowsRunTheirActionOnTheNextTurnAndUnknownOnesOnlyLog) {
    writeResource(
        {header("About"),
         entry("ZerovinPrefsButtonCell",
               {{"Title", "Changelog"}, {"Action", "presentChangelogVC"}}),
         entry("ZerovinPrefsButtonCell", {{"Title", "Tutorial"}, {"Action", "presentTutorialVC"}}),
         entry("ZerovinPrefsButtonCell", {{"Title", "Mystery"}, {"Action", "formatTheDisk"}}),
         entry("ZerovinPrefsButtonCell", {{"Title", "Nameless"}})});
    showScreen();

    ASSERT_TRUE(driver->tap("Tutorial").ok());
    EXPECT_FALSE(screen->presentedViewController());
    ASSERT_TRUE(driver->tap("Mystery").ok());
    ASSERT_TRUE(driver->tap("Nameless").ok());
    EXPECT_FALSE(screen->presentedViewController());
    EXPECT_EQ(
        log.count("settings row \"Mystery\" names no action of the screen: \"formatTheDisk\""), 1u);
    EXPECT_EQ(log.count("settings row \"Nameless\" names no action of the screen: \"\""), 1u);

    ASSERT_TRUE(driver->tap("Changelog").ok());
    auto alert = presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->alertTitle(), "\xF0\x9F\x98\x95");
    EXPECT_EQ(alert->message(),
              "Sorry the changelog isn't available at the moment since it's the initial release.");
    ASSERT_EQ(alert->actions().size(), 1u);
    EXPECT_EQ(alert->actions()[0].title, "Okay");
    ASSERT_TRUE(driver->tap("Okay").ok());
    driver->wait(1);
    EXPECT_FALSE(screen->presentedViewController());
}

TEST_F(SettingsScreenTest, LinkAndSocialRowsHandTheirAddressToTheOpenerUnchanged) {
    const std::string web = "https://example.com/a b?x=1&y=%20";
    writeResource({header("Links"),
                   entry("ZerovinPrefsHyperlinkCell", {{"Title", "Website"}, {"URL", web}}),
                   entry("ZerovinPrefsSocialCell", {{"Title", "Blog"}, {"URL", web}}),
                   entry("ZerovinPrefsSocialCell", {{"Title", "Message"}, {"URL", "telegram"}}),
                   entry("ZerovinPrefsHyperlinkCell", {{"Title", "Nowhere"}})});
    showScreen();
    for (const char* title : {"Website", "Blog", "Message", "Nowhere"}) {
        ASSERT_TRUE(driver->tap(title).ok()) << title;
    }
    EXPECT_EQ(opened, (std::vector<std::string>{web, web, "tg://msg?text=Text&to=zerovin"}));
    EXPECT_EQ(log.count("settings row \"Nowhere\" has no URL to open"), 1u);
}

TEST_F(SettingsScreenTest, OnlyATintedRowShrinksAndDimsWhilePressed) {
    writeResource({header("Rows"), entry("ZerovinPrefsTintedButtonCell"),
                   entry("ZerovinPrefsButtonCell", {{"Title", "Plain button"}})});
    showScreen();
    auto tinted = cellAt(0, 0);
    auto button = cellAt(0, 1);
    ASSERT_TRUE(tinted && button);

    window->sendTouch(kit::TouchPhase::began, centreInWindow(*tinted));
    EXPECT_EQ(tinted->transform(), kit::AffineTransform::scale(0.97, 0.97));
    EXPECT_EQ(tinted->alpha(), 0.5);
    auto running = tinted->runningAnimations();
    ASSERT_FALSE(running.empty());
    EXPECT_EQ(running.front().curve, kit::AnimationCurve::easeOut);
    EXPECT_EQ(running.front().duration, 0.2);
    window->sendTouch(kit::TouchPhase::ended, centreInWindow(*tinted));
    EXPECT_TRUE(tinted->transform().isIdentity());
    EXPECT_EQ(tinted->alpha(), 1);
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(screen->presentedViewController());

    window->sendTouch(kit::TouchPhase::began, centreInWindow(*button));
    EXPECT_TRUE(button->transform().isIdentity());
    EXPECT_EQ(button->alpha(), 1);
    window->sendTouch(kit::TouchPhase::cancelled, centreInWindow(*button));
}

TEST_F(SettingsScreenTest, TheTitleFadesPastFivePointsAndAPullPastTwoHundredSnapsBack) {
    writeResource({header("Rows")});
    showScreen();
    auto& table = *screen->tableView();
    table.setContentOffset({0, 3});
    EXPECT_EQ(screen->navTitle()->alpha(), 1);
    table.setContentOffset({0, 5});
    EXPECT_EQ(screen->navTitle()->alpha(), 0);
    table.setContentOffset({0, 3});
    EXPECT_EQ(screen->navTitle()->alpha(), 0);
    table.setContentOffset({0, 0});
    EXPECT_EQ(screen->navTitle()->alpha(), 1);

    table.setContentOffset({0, -200});
    EXPECT_EQ(table.contentOffset().y, -200);
    table.setContentOffset({0, -201});
    EXPECT_EQ(table.contentOffset().y, 0);
    EXPECT_TRUE(table.isScrollEnabled());
}

// The table as it ships, on screen: every row shows, and the restore and the message to the
// developer are reachable by tapping.
TEST_F(SettingsScreenTest, TheShippedTableShowsItsRowsAndTheirTapsWork) {
    screen =
        SettingViewController::make(foundation::Bundle(testsupport::sourceDir() / "resources"));
    window->setRootViewController(screen);
    window->makeKeyAndVisible();
    driver = std::make_unique<kit::Driver>(window);
    driver->settle();
    for (const char* text :
         {"Accent Colour", "Restore Original Files", "Changelog", "Contact the Developer"}) {
        EXPECT_TRUE(driver->isShowing(text)) << text;
    }
    ASSERT_TRUE(driver->tap("Contact the Developer").ok());
    EXPECT_EQ(opened, (std::vector<std::string>{"tg://msg?text=Text&to=zerovin"}));
    ASSERT_TRUE(driver->tap("Restore Original Files").ok());
    ASSERT_TRUE(presentedAlert());
    EXPECT_EQ(presentedAlert()->alertTitle(), "Kelvora");
}

}  // namespace

}  // namespace kelvora
