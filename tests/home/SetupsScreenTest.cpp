#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/SetupExplorerViewController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/ContextMenuView.h"
#include "platform/kit/ImageView.h"
#include "tests/home/HomeFixture.h"
#include "ui/SetupCell.h"

namespace kelvora {

namespace {

class SetupsScreenTest : public HomeFixture {
  protected:
    void SetUp() override {
        HomeFixture::SetUp();
        markTutorialSeen();
    }

    // Names in the order the list was written: Zeta oldest, then alpha, then Alpha newest.
    void writeThree() const {
        writeList({record("Zeta", "zeta", "0101202401000000"),
                   record("alpha", "alpha", "0201202401000000"),
                   record("Alpha", "alpha2", "0301202401000000")});
    }

    // The sort entries of the sheet on screen that carry a check mark.
    std::vector<std::string> checkedSortEntries() const {
        std::vector<std::string> checked;
        for (const char* title : {"Setup A-Z", "Setup Z-A", "Date Newest", "Date Oldest"}) {
            auto button = driver->find(title);
            if (!button) {
                ADD_FAILURE() << title << " is not on screen";
                continue;
            }
            for (const auto& subview : button->subviews()) {
                if (subview->accessibilityLabel() == "checkmark") {
                    checked.push_back(title);
                }
            }
        }
        return checked;
    }

    void chooseSort(const std::string& title) {
        ASSERT_TRUE(driver->tap("text.append").ok());
        ASSERT_TRUE(driver->tap(title).ok());
    }
};

TEST_F(SetupsScreenTest, NamesSortByCharacterCodeAndDatesByTheirKey) {
    writeThree();
    launch();
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"Alpha", "Zeta", "alpha"}));
    chooseSort("Setup Z-A");
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"alpha", "Zeta", "Alpha"}));
    EXPECT_EQ(preference("setupSortType"), foundation::PlistValue("Setup Z-A"));
    chooseSort("Date Newest");
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"Alpha", "alpha", "Zeta"}));
    chooseSort("Date Oldest");
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"Zeta", "alpha", "Alpha"}));
}

TEST_F(SetupsScreenTest, SortSheetChecksTheOrderInForceAndCancelChangesNothing) {
    writeThree();
    launch();
    ASSERT_TRUE(driver->tap("text.append").ok());
    EXPECT_TRUE(driver->isShowing("Sort"));
    EXPECT_EQ(checkedSortEntries(), (std::vector<std::string>{"Setup A-Z"}));
    ASSERT_TRUE(driver->tap("Date Oldest").ok());
    ASSERT_TRUE(driver->tap("text.append").ok());
    EXPECT_EQ(checkedSortEntries(), (std::vector<std::string>{"Date Oldest"}));
    ASSERT_TRUE(driver->tap("Cancel").ok());
    EXPECT_FALSE(driver->isShowing("Sort"));
    EXPECT_EQ(preference("setupSortType"), foundation::PlistValue("Date Oldest"));
}

TEST_F(SetupsScreenTest, UnknownSortValueKeepsFileOrderAndUndatedRecordsGoLast) {
    writeThree();
    setPreference("setupSortType", "Shuffle");
    launch();
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"Zeta", "alpha", "Alpha"}));

    writeList({record("No date", "nodate", "not a date"), record("Old", "old", "0101202001000000"),
               record("New", "new", "0101202501000000")});
    setPreference("setupSortType", "Date Newest");
    screen->refreshData();
    driver->settle();
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"New", "Old", "No date"}));
    chooseSort("Date Oldest");
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"Old", "New", "No date"}));
}

TEST_F(SetupsScreenTest, DeleteFromTheContextMenuSavesTheRestInDisplayOrder) {
    writeList({record("Alpha", "alpha"), record("Beta", "beta"), record("Gamma", "gamma")});
    for (const char* folder : {"alpha", "beta", "gamma"}) {
        root.write(std::string(setupFolder) + "/" + folder + "/x.plist", "<plist/>");
    }
    setPreference("setupSortType", "Setup Z-A");
    launch();
    ASSERT_TRUE(driver->longPress("Beta").ok());
    auto menu = kit::ContextMenuView::showing(*window);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->menu().title, "Beta");
    ASSERT_TRUE(driver->tap("Delete").ok());

    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Gamma", "Alpha"}));
    EXPECT_EQ(setupFolders(), (std::vector<std::string>{"alpha", "gamma"}));
    EXPECT_EQ(log.count("successfully delete set up folder"), 1u);
    driver->wait(0.2);
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"Gamma", "Alpha"}));
    EXPECT_FALSE(driver->isShowing("Beta"));
}

TEST_F(SetupsScreenTest, DeleteRemovesTheSetupItsMenuWasShownForEvenAfterAReload) {
    writeList({record("Beta", "beta"), record("Gamma", "gamma")});
    root.makeFolder("/var/mobile/Kelvora/Setup/beta");
    root.makeFolder("/var/mobile/Kelvora/Setup/alpha");
    launch();
    ASSERT_TRUE(driver->longPress("Beta").ok());
    // Another screen adds a Setup that sorts first while the menu is up.
    writeList({record("Alpha", "alpha"), record("Beta", "beta"), record("Gamma", "gamma")});
    foundation::NotificationCenter::defaultCenter().post("RefreshSetupDataNotification");
    ASSERT_TRUE(driver->tap("Delete").ok());
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Alpha", "Gamma"}));
    EXPECT_EQ(setupFolders(), (std::vector<std::string>{"alpha"}));
}

TEST_F(SetupsScreenTest, ViewInTheContextMenuAndATapOpenTheExplorerWithTheRecordsDate) {
    writeList({record("Alpha", "alpha")});
    launch();
    ASSERT_TRUE(driver->tap("Alpha").ok());
    auto explorer =
        std::dynamic_pointer_cast<SetupExplorerViewController>(navigation->topViewController());
    ASSERT_TRUE(explorer);
    EXPECT_EQ(explorer->data(),
              (SetupData{"alpha", "Alpha", "0A84FE", "gear", "Monday 1 Jan, 2024 01:00"}));
    navigation->popViewController(false);
    driver->settle();
    ASSERT_TRUE(driver->longPress("Alpha").ok());
    ASSERT_TRUE(driver->tap("View").ok());
    EXPECT_TRUE(
        std::dynamic_pointer_cast<SetupExplorerViewController>(navigation->topViewController()));
}

TEST_F(SetupsScreenTest, CountsNamesEndingInPlistOfAnyCaseAndRecountsOnTheNotification) {
    writeList({record("Alpha", "alpha")});
    root.write("/var/mobile/Kelvora/Setup/alpha/a.plist", "");
    root.write("/var/mobile/Kelvora/Setup/alpha/b.PLIST", "");
    root.write("/var/mobile/Kelvora/Setup/alpha/notes.txt", "");
    launch();
    EXPECT_TRUE(driver->isShowing("2 Files"));

    writeList({record("Alpha", "alpha"), record("Beta", "beta")});
    root.write("/var/mobile/Kelvora/Setup/beta/only.plist", "");
    root.write("/var/mobile/Kelvora/Setup/alpha/c.plist", "");
    foundation::NotificationCenter::defaultCenter().post("RefreshSetupDataNotification");
    driver->settle();
    EXPECT_TRUE(driver->isShowing("3 Files"));
    EXPECT_TRUE(driver->isShowing("1 Files")) << "no singular form";
}

TEST_F(SetupsScreenTest, EmptyListShowsTheMessageAndOneSetupHidesIt) {
    launch();
    EXPECT_EQ(screen->noResultLabel()->alpha(), 1);
    EXPECT_TRUE(driver->isShowing("Press the plus button to create a Setup."));
    writeList({record("Alpha", "alpha")});
    foundation::NotificationCenter::defaultCenter().post("RefreshSetupDataNotification");
    driver->settle();
    EXPECT_EQ(screen->noResultLabel()->alpha(), 0);
    EXPECT_FALSE(driver->isShowing("Press the plus button to create a Setup."));
}

TEST_F(SetupsScreenTest, TilesAreTwoToARowWithTheirColourIconAndAccessibleName) {
    writeList({record("Alpha", "alpha"), record("Beta", "beta"), record("Gamma", "gamma")});
    launch();
    auto& grid = *screen->collectionView();
    EXPECT_EQ(grid.frameForItem(kit::IndexPath::forItem(0, 0)), kit::Rect(10, 20, 180, 105));
    EXPECT_EQ(grid.frameForItem(kit::IndexPath::forItem(1, 0)), kit::Rect(200, 20, 180, 105));
    EXPECT_EQ(grid.frameForItem(kit::IndexPath::forItem(2, 0)), kit::Rect(10, 135, 180, 105));
    auto tile =
        std::static_pointer_cast<SetupCell>(grid.cellForItem(kit::IndexPath::forItem(0, 0)));
    ASSERT_TRUE(tile);
    EXPECT_EQ(tile->accessibilityLabel(), "Alpha");
    kit::Rgba card = tile->baseView->backgroundColor().components();
    EXPECT_NEAR(card.blue, 0xFE / 255.0, 1e-6);
    ASSERT_TRUE(tile->icon->image());
    EXPECT_EQ(tile->icon->image()->name(), "gear");
    EXPECT_EQ(tile->icon->tintColor(), kit::Color::whiteColor());
}

TEST_F(SetupsScreenTest, WrongShapedRecordsShowEmptyTextCannotBeOpenedAndCanStillBeDeleted) {
    foundation::PlistDictionary numberName = record("x", "numbered");
    numberName["setupName"] = 5;
    writeList({foundation::PlistValue("junk"), numberName, record("Alpha", "alpha"),
               record("Escape", "../Original")});
    root.makeFolder("/var/mobile/Kelvora/Original");
    root.write("/var/mobile/Kelvora/Original/keep.plist", "");
    setPreference("setupSortType", "Shuffle");
    launch();
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"", "", "Alpha", "Escape"}));
    // "../Original" holds a preference file, but it is no Setup folder of this list.
    auto escape = std::static_pointer_cast<SetupCell>(
        screen->collectionView()->cellForItem(kit::IndexPath::forItem(3, 0)));
    ASSERT_TRUE(escape);
    EXPECT_EQ(escape->countLabel->text(), "0 Files");
    ASSERT_TRUE(driver->tap("Escape").ok());
    driver->settle();
    EXPECT_TRUE(driver->isShowing("cannot be opened")) << "an alert says why";
    ASSERT_TRUE(driver->tap("Okay").ok());
    driver->wait(1);
    EXPECT_EQ(screen->navigationController()->viewControllers().size(), 1u) << "nothing opened";

    // The junk record: a tile without text, pressed where it is.
    auto junk = screen->collectionView()->cellForItem(kit::IndexPath::forItem(0, 0));
    ASSERT_TRUE(junk);
    ASSERT_TRUE(driver->longPressAt(junk->convertToWindow(junk->bounds().center())).ok());
    ASSERT_TRUE(driver->tap("Delete").ok());
    EXPECT_EQ(log.count("failed delete set up folder"), 1u);
    EXPECT_EQ(storedList().size(), 3u);
    driver->wait(0.2);

    ASSERT_TRUE(driver->longPress("Escape").ok());
    ASSERT_TRUE(driver->tap("Delete").ok());
    EXPECT_EQ(log.count("failed delete set up folder"), 2u);
    EXPECT_TRUE(std::filesystem::exists(root.host("/var/mobile/Kelvora/Original/keep.plist")));
    EXPECT_EQ(storedList().size(), 2u);
}

TEST_F(SetupsScreenTest, BarHasTheLargeTitleWithSortOnTheLeftAndPlusOnTheRight) {
    launch();
    EXPECT_TRUE(navigation->navigationBar()->prefersLargeTitles());
    EXPECT_TRUE(driver->isShowing("Setup"));
    auto sort = driver->find("text.append");
    auto plus = driver->find("plus");
    ASSERT_TRUE(sort && plus);
    EXPECT_LT(sort->convertToWindow({}).x, 195);
    EXPECT_GT(plus->convertToWindow({}).x, 195);
}

TEST_F(SetupsScreenTest, ToolbarOfAPushedScreenIsHiddenAgainOnReturn) {
    writeList({record("Alpha", "alpha")});
    launch();
    ASSERT_TRUE(driver->tap("Alpha").ok());
    navigation->setToolbarHidden(false);
    navigation->popViewController(false);
    driver->settle();
    EXPECT_TRUE(navigation->isToolbarHidden());
}

class TutorialTest : public HomeFixture {};

TEST_F(TutorialTest, ShownOnFirstUseUntilDoneAndNeverAfter) {
    launch();
    EXPECT_TRUE(driver->isShowing("Getting started tutorial"));
    EXPECT_TRUE(driver->isShowing("Kelvora"));
    EXPECT_TRUE(driver->isShowing("choose a tweak\u2019s plist files"));
    for (const char* symbol :
         {"rectangle.portrait.fill", "hammer.fill", "doc.badge.gearshape.fill"}) {
        EXPECT_TRUE(driver->isShowing(symbol)) << symbol;
    }
    auto sheet = navigation->presentedViewController() ? navigation->presentedViewController()
                                                       : screen->presentedViewController();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->modalPresentationStyle(), kit::ModalPresentationStyle::pageSheet);
    EXPECT_FALSE(sheet->dismissBySwipe()) << "it cannot be swiped away";
    EXPECT_FALSE(preference("didShowTutorial"));

    // A launch that ends before "Done" shows it again.
    launch();
    EXPECT_TRUE(driver->isShowing("Getting started tutorial"));
    ASSERT_TRUE(driver->tap("Done").ok());
    driver->wait(1);
    EXPECT_FALSE(driver->isShowing("Getting started tutorial"));
    EXPECT_EQ(preference("didShowTutorial"), foundation::PlistValue(true));

    launch();
    EXPECT_FALSE(driver->isShowing("Getting started tutorial"));
}

// On the short screen the items reach far below the tray; the sheet scrolls until the last
// line of the last item stands above it.
TEST_F(TutorialTest, TheLastItemCanBeReadToItsEndAboveTheTrayOnTheClassicScreen) {
    launch(kit::Screen::classic());
    auto tutorial =
        std::dynamic_pointer_cast<TutorialViewController>(navigation->presentedViewController());
    ASSERT_TRUE(tutorial);
    auto last = driver->find("then respring your device and voila!");
    ASSERT_TRUE(last);
    auto bottomOf = [](const kit::View& view) {
        return view.convertToWindow({0, view.bounds().size.height}).y;
    };
    double trayTop = tutorial->buttonTray()->convertToWindow({0, 0}).y;
    EXPECT_GT(bottomOf(*last), trayTop) << "it starts hidden behind the tray";
    for (int drag = 0; drag < 4; ++drag) {
        ASSERT_TRUE(driver->drag({180, 400}, {180, 100}).ok());
        driver->wait(1);
    }
    EXPECT_LE(bottomOf(*last), trayTop);
}

}  // namespace

}  // namespace kelvora
