#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/SetupExplorerViewController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/ContextMenuView.h"
#include "platform/kit/ViewFinder.h"
#include "tests/home/HomeFixture.h"
#include "tests/support/Golden.h"
#include "ui/SetupCell.h"

namespace kelvora {

namespace {

class SetupsScreenTest : public HomeFixture {
  protected:
    SetupsScreenTest() { setPreference("didShowTutorial", true); }

    static void postRefresh() {
        foundation::NotificationCenter::defaultCenter().post("RefreshSetupDataNotification");
    }
    // Deletes through the grid's own context menu of `item`, as a long press would.
    void deleteItem(std::int64_t item) {
        auto menu = screen->contextMenuConfigurationForItem(*screen->collectionView(),
                                                            kit::IndexPath::forItem(item, 0), {});
        ASSERT_TRUE(menu);
        menu->actionProvider().children.at(1).handler();
    }
};

// Names ending in "plist" of any case count, and a notification recounts them. A name wider
// than its tile keeps its width and is clipped by the card.
TEST_F(SetupsScreenTest, EmptyAndFilledScreensShowWhatAPersonExpects) {
    launch();
    testsupport::expectScreenMatchesGolden(ui.window, "home-setups-empty-notched-light");
    writeList({record("Alpha", "alpha"), record("Beta", "beta"),
               record("Gamma and a name much wider than any tile could ever be", "gamma")});
    for (const char* name : {"a.plist", "b.PLIST", "notes.txt"}) {
        ui.root.write(std::string(setupFolder) + "/alpha/" + name, "");
    }
    postRefresh();
    ui.driver->settle();
    testsupport::expectScreenMatchesGolden(ui.window, "home-setups-notched-light");
    auto tile = std::static_pointer_cast<SetupCell>(
        screen->collectionView()->cellForItem(kit::IndexPath::forItem(2, 0)));
    ASSERT_TRUE(tile);
    EXPECT_TRUE(tile->baseView->clipsToBounds());
    EXPECT_NEAR(tile->baseView->backgroundColor().components().blue, 0xFE / 255.0, 1e-6);
}

TEST_F(SetupsScreenTest, SortSheetReordersTheGridAndKeepsTheChoice) {
    writeList({record("Zeta", "zeta", "0101202401000000"),
               record("alpha", "alpha", "0201202401000000"),
               record("Alpha", "alpha2", "0301202401000000")});
    launch();
    EXPECT_EQ(tileNames(), (Names{"Alpha", "Zeta", "alpha"}));
    ui.tap("text.append");
    testsupport::expectScreenMatchesGolden(ui.window, "home-sort-notched-light");
    ui.tap("Date Oldest");
    EXPECT_EQ(tileNames(), (Names{"Zeta", "alpha", "Alpha"}));
    EXPECT_EQ(SetupManager::sharedInstance().objectForKey("setupSortType", PrefsID),
              foundation::PlistValue("Date Oldest"));
    ui.tap("text.append");
    auto mark = ui.driver->find("checkmark");
    ASSERT_TRUE(mark && mark->superview());
    EXPECT_EQ(kit::ViewFinder::textsOf(*mark->superview()), Names{"Date Oldest"});
    ui.tap("Cancel");
    EXPECT_FALSE(ui.driver->isShowing("Sort"));
    EXPECT_EQ(tileNames(), (Names{"Zeta", "alpha", "Alpha"})) << "Cancel changes nothing";
}

// The list file takes the display order. The menu's item may name another Setup once the list
// is reloaded, and may lie at either end of the list.
TEST_F(SetupsScreenTest, DeleteRemovesTheSetupItsMenuWasShownForAndSavesTheRestInDisplayOrder) {
    writeList({record("Alpha", "alpha"), record("Beta", "beta"), record("Gamma", "gamma")});
    for (const char* folder : {"alpha", "beta", "gamma"}) {
        ui.root.makeFolder(std::string(setupFolder) + "/" + folder);
    }
    setPreference("setupSortType", "Setup Z-A");
    launch();
    ASSERT_TRUE(ui.driver->longPress("Beta").ok());
    auto menu = kit::ContextMenuView::showing(*ui.window);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->menu().title, "Beta");
    writeList({record("Alpha", "alpha"), record("Beta", "beta"), record("Delta", "delta"),
               record("Gamma", "gamma")});
    postRefresh();
    ui.tap("Delete");
    EXPECT_EQ(storedNames(), (Names{"Gamma", "Delta", "Alpha"}));
    EXPECT_EQ(setupFolders(), (Names{"alpha", "gamma"}));
    EXPECT_EQ(ui.log.count("successfully delete set up folder"), 1u);
    ui.driver->wait(0.2);
    EXPECT_EQ(tileNames(), (Names{"Gamma", "Delta", "Alpha"}));

    // One past the end holds no Setup: nothing is shown or deleted.
    EXPECT_EQ(screen->cellForItem(*screen->collectionView(), kit::IndexPath::forItem(3, 0))
                  ->accessibilityLabel(),
              "");
    deleteItem(3);
    EXPECT_EQ(storedNames(), (Names{"Gamma", "Delta", "Alpha"}));
    deleteItem(0);
    EXPECT_EQ(storedNames(), (Names{"Delta", "Alpha"}));
    EXPECT_EQ(setupFolders(), (Names{"alpha"}));
}

// Records of any shape are shown; one whose folder is no Setup folder of its own cannot be
// opened, and each can still be deleted.
TEST_F(SetupsScreenTest, ATapOrViewOpensTheRecordsExplorerUnlessItsFolderEscapes) {
    foundation::PlistDictionary numberName = record("x", "numbered");
    numberName["setupName"] = 5;
    writeList({foundation::PlistValue("junk"), numberName, record("Alpha", "alpha"),
               record("Escape", "../Original")});
    ui.root.write("/var/mobile/Kelvora/Original/keep.plist", "");
    setPreference("setupSortType", "Shuffle");
    launch();
    EXPECT_EQ(tileNames(), (Names{"", "", "Alpha", "Escape"}));
    ui.tap("Alpha");
    auto explorer =
        std::dynamic_pointer_cast<SetupExplorerViewController>(navigation->topViewController());
    ASSERT_TRUE(explorer);
    EXPECT_EQ(explorer->data(),
              (SetupData{"alpha", "Alpha", "0A84FE", "gear", "Monday 1 Jan, 2024 01:00"}));
    navigation->setToolbarHidden(false);
    navigation->popViewController(false);
    ui.driver->settle();
    EXPECT_TRUE(navigation->isToolbarHidden()) << "the explorer's toolbar goes with it";
    ASSERT_TRUE(ui.driver->longPress("Alpha").ok());
    ui.tap("View");
    EXPECT_TRUE(
        std::dynamic_pointer_cast<SetupExplorerViewController>(navigation->topViewController()));
    navigation->popViewController(false);
    ui.driver->settle();

    // "../Original" holds a preference file, but it is no Setup folder of this list.
    EXPECT_FALSE(ui.driver->isShowing("1 Files"));
    ui.tap("Escape");
    ui.driver->settle();
    EXPECT_TRUE(ui.driver->isShowing("cannot be opened")) << "an alert says why";
    ui.tapAndWait("Okay");
    EXPECT_EQ(navigation->viewControllers().size(), 1u) << "nothing opened";
    deleteItem(3);
    EXPECT_EQ(ui.log.count("failed delete set up folder"), 1u);
    EXPECT_TRUE(std::filesystem::exists(ui.root.host("/var/mobile/Kelvora/Original/keep.plist")));
    deleteItem(0);
    EXPECT_EQ(storedNames(), (Names{"", "Alpha"}));
}

class TutorialTest : public HomeFixture {};

TEST_F(TutorialTest, ShownOnFirstUseUntilDoneAndNeverAfter) {
    launch();
    testsupport::expectScreenMatchesGolden(ui.window, "home-tutorial-notched-light");
    auto sheet = navigation->presentedViewController();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->modalPresentationStyle(), kit::ModalPresentationStyle::pageSheet);
    EXPECT_FALSE(sheet->dismissBySwipe()) << "it cannot be swiped away";

    // A launch that ends before "Done" shows it again.
    launch();
    EXPECT_TRUE(ui.driver->isShowing("Getting started tutorial"));
    ui.tapAndWait("Done");
    EXPECT_FALSE(ui.driver->isShowing("Getting started tutorial"));
    launch();
    EXPECT_FALSE(ui.driver->isShowing("Getting started tutorial"));
}

class ClassicTutorialTest : public HomeFixture {
  protected:
    ClassicTutorialTest() : HomeFixture(kit::Screen::classic()) {}
};

// On the short screen the items reach far below the tray; the sheet scrolls until the last
// line of the last item stands above it.
TEST_F(ClassicTutorialTest, TheLastItemCanBeReadToItsEndAboveTheTray) {
    launch();
    auto tutorial =
        std::dynamic_pointer_cast<TutorialViewController>(navigation->presentedViewController());
    ASSERT_TRUE(tutorial);
    auto last = ui.driver->find("then respring your device and voila!");
    ASSERT_TRUE(last);
    auto bottom = [&] { return last->convertToWindow({0, last->bounds().size.height}).y; };
    double trayTop = tutorial->buttonTray()->convertToWindow({0, 0}).y;
    EXPECT_GT(bottom(), trayTop) << "it starts hidden behind the tray";
    for (int drag = 0; drag < 4; ++drag) {
        ASSERT_TRUE(ui.driver->drag({180, 400}, {180, 100}).ok());
        ui.driver->wait(1);
    }
    EXPECT_LE(bottom(), trayTop);
}

}  // namespace

}  // namespace kelvora
