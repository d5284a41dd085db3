#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "files/SetupExplorerViewController.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/FileManager.h"
#include "platform/kit/AlertController.h"
#include "tests/home/HomeFixture.h"
#include "tests/support/Golden.h"

namespace kelvora {

namespace {

class CreateSetupTest : public HomeFixture {
  protected:
    explicit CreateSetupTest(kit::Screen device = kit::Screen::notched()) : HomeFixture(device) {
        setPreference("didShowTutorial", true);
        kit::Screen::main() = device;
        launch();
    }
    ~CreateSetupTest() override { kit::Screen::main() = saved; }

    // Opens the form and gives it a name, a colour and an icon, as a person would.
    void fillForm(const std::string& name) {
        ui.tap("plus");
        ui.tap("Setup name...");
        ASSERT_TRUE(ui.driver->type(name).ok());
        ui.tap("0A84FE");
        ui.tap("sparkles");
    }
    std::shared_ptr<kit::AlertController> alert() const {
        auto form = screen->presentedViewController();
        return std::dynamic_pointer_cast<kit::AlertController>(
            form ? form->presentedViewController() : nullptr);
    }
    // The start of what the user is told when the folder of `name` cannot be made; a reason
    // follows it.
    void expectFolderAlert(const std::string& name) const {
        std::string start = "Unable to create " + name +
                            " setup folder and please try again with different name. \n";
        ASSERT_TRUE(alert()) << name;
        EXPECT_EQ(alert()->message().rfind(start, 0), 0u) << alert()->message();
        EXPECT_GT(alert()->message().size(), start.size()) << "a reason follows";
    }

    kit::Screen saved = kit::Screen::main();
};

TEST_F(CreateSetupTest, RoadOfASetupEndsInItsExplorerAFifthOfASecondAfterDone) {
    ui.tap("plus");
    testsupport::expectScreenMatchesGolden(ui.window, "home-create-notched-light");
    ui.tap("Setup name...");
    ASSERT_TRUE(ui.driver->type("Wor").ok());
    ui.tap("0A84FE");
    EXPECT_FALSE(ui.driver->isShowing("Done")) << "no icon yet";
    ui.tap("sparkles");
    // The name is edited after the last choice, ending without the keyboard's own "Done",
    // which would also read the name.
    ui.tap("Wor");
    ASSERT_TRUE(ui.driver->type("k").ok());
    ASSERT_TRUE(ui.driver->press(kit::Key::escape).ok());
    ui.tap("Done");

    EXPECT_EQ(setupFolders(), (Names{"work"}));
    auto list = SetupManager::sharedInstance().loadSetupArray();
    ASSERT_TRUE(list.size() == 1 && list[0].get<foundation::PlistDictionary>());
    const auto& stored = *list[0].get<foundation::PlistDictionary>();
    EXPECT_EQ(stored.size(), 6u);
    for (const auto& [key, value] : stored) {
        EXPECT_TRUE(value.is<std::string>()) << key;
    }
    std::string created = *stored.find("createdDate")->second.get<std::string>();
    EXPECT_EQ(SetupData::fromRecord(list[0]),
              (SetupData{"work", "Work", "0A84FE", "sparkles", created}));
    EXPECT_TRUE(foundation::DateFormatter("EEEE d MMM, yyyy HH:mm").parse(created));
    EXPECT_TRUE(foundation::DateFormatter("ddMMyyyyhhmmssss")
                    .parse(*stored.find("creationDate")->second.get<std::string>()));
    EXPECT_EQ(ui.log.count("Create work directory successfully!"), 1u);

    EXPECT_FALSE(ui.driver->isShowing("New Setup")) << "the form has closed";
    EXPECT_EQ(tileNames(), (Names{"Work"}));
    ui.driver->wait(0.19);
    EXPECT_EQ(navigation->topViewController(), screen);
    ui.driver->wait(0.01);
    auto explorer =
        std::dynamic_pointer_cast<SetupExplorerViewController>(navigation->topViewController());
    ASSERT_TRUE(explorer);
    EXPECT_EQ(explorer->data().setupFolderName, "work");
}

// A folder "a" in place would let "a/b" be made inside it; ".." is the Kelvora folder. The
// check of a folder name is the store's; this is the form's road through it.
TEST_F(CreateSetupTest, ATakenNameOrAFolderThatCannotBeMadeIsRefusedAndNothingIsWritten) {
    writeList({record("Work", "work")});
    ui.root.makeFolder("/var/mobile/Kelvora/Setup/work");
    ui.root.makeFolder("/var/mobile/Kelvora/Setup/a");
    fillForm("Work");
    ui.tap("Done");
    ASSERT_TRUE(alert());
    EXPECT_EQ(alert()->alertTitle(), "Sorry");
    EXPECT_EQ(alert()->message(),
              "Sorry you already had Work saved in Setup, please create new "
              "Setup with different name.");
    ui.tap("Okay");
    EXPECT_TRUE(ui.driver->isShowing("New Setup")) << "the form stays open";
    ui.tap("Cancel");
    for (std::string name : {"W ork", "a/b", ".."}) {
        fillForm(name);
        ui.tap("Done");
        expectFolderAlert(name);
        ui.tap("Okay");
        ui.tap("Cancel");
        EXPECT_FALSE(ui.driver->isShowing("New Setup"));
    }
    ASSERT_FALSE(ui.log.lines().empty()) << "the folder's error is logged";
    EXPECT_EQ(ui.log.lines().front().rfind("Create work directory error: ", 0), 0u);
    EXPECT_EQ(storedNames(), (Names{"Work"}));
    EXPECT_EQ(setupFolders(), (Names{"a", "work"}));
    EXPECT_TRUE(std::filesystem::is_empty(ui.root.host("/var/mobile/Kelvora/Setup/a")));
}

TEST_F(CreateSetupTest, DoneAppearsOnlyOnceAllThreeAreGivenAndStaysWhenTheNameIsCleared) {
    ui.tap("plus");
    ui.tap("sparkles");
    ui.tap("0A84FE");
    EXPECT_FALSE(ui.driver->isShowing("Done")) << "no name yet";
    ui.tap("Setup name...");
    ASSERT_TRUE(ui.driver->type("Work").ok());
    ui.tap("Done");  // the keyboard's Done reads the name
    EXPECT_TRUE(ui.driver->isShowing("Done"));
    ui.tap("Work");
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(ui.driver->press(kit::Key::backspace).ok());
    }
    ui.tap("FEE9CD");
    ui.tap("Done");
    expectFolderAlert("");
}

TEST_F(CreateSetupTest, ListThatCannotBeWrittenIsReportedAndLeavesNoFolderBehind) {
    writeList({record("Home", "home")});
    testsupport::ScreenHarness::failUnder(foundation::FaultKind::write, listFile, ENOSPC);
    fillForm("Work");
    ui.tap("Done");
    ASSERT_TRUE(alert()) << "the form must not close as if the Setup were saved";
    EXPECT_EQ(alert()->alertTitle(), "Error");
    EXPECT_TRUE(setupFolders().empty());
    foundation::FileManager::defaultManager().setFaultHook({});
    EXPECT_EQ(storedNames(), (Names{"Home"}));
    ui.driver->wait(0.2);
    EXPECT_EQ(navigation->topViewController(), screen) << "no explorer for a Setup not saved";
}

class ClassicCreateSetupTest : public CreateSetupTest {
  protected:
    ClassicCreateSetupTest() : CreateSetupTest(kit::Screen::classic()) {}
};

// The form's bar and first title sit higher where there is no notch.
TEST_F(ClassicCreateSetupTest, FormFitsTheScreenWithoutANotch) {
    ui.tap("plus");
    testsupport::expectScreenMatchesGolden(ui.window, "home-create-classic-light");
}

}  // namespace

}  // namespace kelvora
