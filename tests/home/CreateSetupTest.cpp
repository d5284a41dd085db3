#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string_view>

#include <string>
#include <vector>

#include "files/SetupExplorerViewController.h"
#include "home/CreateSetupViewController.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/FileManager.h"
#include "platform/kit/AlertController.h"
#include "tests/home/HomeFixture.h"

namespace kelvora {

namespace {

class CreateSetupTest : public HomeFixture {
  protected:
    void SetUp() override {
        HomeFixture::SetUp();
        markTutorialSeen();
        launch();
    }

    // Opens the form and gives it a name, a colour and an icon, as a person would.
    void fillForm(const std::string& name) {
        ASSERT_TRUE(driver->tap("plus").ok());
        ASSERT_TRUE(driver->isShowing("New Setup"));
        ASSERT_TRUE(driver->tap("Setup name...").ok());
        ASSERT_TRUE(driver->type(name).ok());
        ASSERT_TRUE(driver->tap("0A84FE").ok());
        ASSERT_TRUE(driver->tap("sparkles").ok());
    }

    std::shared_ptr<kit::AlertController> alert() const {
        auto presented = form() ? form()->presentedViewController() : nullptr;
        return std::dynamic_pointer_cast<kit::AlertController>(presented);
    }
    std::shared_ptr<CreateSetupViewController> form() const {
        return std::dynamic_pointer_cast<CreateSetupViewController>(
            screen->presentedViewController() ? screen->presentedViewController()
                                              : navigation->presentedViewController());
    }
    // What the user is told when the folder of `name` cannot be made.
    static std::string folderAlertStart(const std::string& name) {
        return "Unable to create " + name +
               " setup folder and please try again with different name. \n";
    }
};

TEST_F(CreateSetupTest, RoadOfASetupEndsInItsExplorerAFifthOfASecondAfterDone) {
    EXPECT_TRUE(driver->isShowing("You don't have any Setup's."));
    ASSERT_TRUE(driver->tap("plus").ok());
    ASSERT_TRUE(driver->tap("Setup name...").ok());
    ASSERT_TRUE(driver->type("Work").ok());
    ASSERT_TRUE(driver->tap("0A84FE").ok());
    EXPECT_FALSE(driver->isShowing("Done")) << "no icon yet";
    ASSERT_TRUE(driver->tap("sparkles").ok());
    ASSERT_TRUE(driver->tap("Done").ok());

    EXPECT_EQ(setupFolders(), (std::vector<std::string>{"work"}));
    auto list = storedList();
    ASSERT_EQ(list.size(), 1u);
    const auto* stored = list[0].get<foundation::PlistDictionary>();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->size(), 6u);
    for (const auto& [key, value] : *stored) {
        EXPECT_TRUE(value.is<std::string>()) << key;
    }
    EXPECT_EQ(SetupData::fromRecord(list[0]),
              (SetupData{"work", "Work", "0A84FE", "sparkles",
                         *stored->find("createdDate")->second.get<std::string>()}));
    foundation::DateFormatter created("EEEE d MMM, yyyy HH:mm");
    foundation::DateFormatter key("ddMMyyyyhhmmssss");
    EXPECT_TRUE(created.parse(*stored->find("createdDate")->second.get<std::string>()));
    EXPECT_TRUE(key.parse(*stored->find("creationDate")->second.get<std::string>()));
    EXPECT_EQ(log.count("Create work directory successfully!"), 1u);

    EXPECT_FALSE(driver->isShowing("New Setup")) << "the form has closed";
    EXPECT_EQ(tileNames(), (std::vector<std::string>{"Work"}));
    EXPECT_TRUE(driver->isShowing("0 Files"));
    driver->wait(0.19);
    EXPECT_EQ(navigation->topViewController(), screen);
    driver->wait(0.01);
    auto explorer =
        std::dynamic_pointer_cast<SetupExplorerViewController>(navigation->topViewController());
    ASSERT_TRUE(explorer);
    EXPECT_EQ(explorer->data().setupName, "Work");
    EXPECT_EQ(explorer->data().setupFolderName, "work");
}

TEST_F(CreateSetupTest, SameNameAgainIsRefusedAndNothingIsWritten) {
    writeList({record("Work", "work")});
    root.makeFolder("/var/mobile/Kelvora/Setup/work");
    fillForm("Work");
    ASSERT_TRUE(driver->tap("Done").ok());

    ASSERT_TRUE(alert());
    EXPECT_EQ(alert()->alertTitle(), "Sorry");
    EXPECT_EQ(alert()->message(),
              "Sorry you already had Work saved in Setup, please create new "
              "Setup with different name.");
    ASSERT_TRUE(driver->tap("Okay").ok());
    EXPECT_TRUE(driver->isShowing("New Setup")) << "the form stays open";
    EXPECT_TRUE(driver->isShowing("Done"));
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Work"}));
    EXPECT_EQ(setupFolders(), (std::vector<std::string>{"work"}));
}

TEST_F(CreateSetupTest, NameWhoseFolderExistsGetsTheFolderAlertWithTheReason) {
    writeList({record("Work", "work")});
    root.makeFolder("/var/mobile/Kelvora/Setup/work");
    fillForm("W ork");
    ASSERT_TRUE(driver->tap("Done").ok());

    ASSERT_TRUE(alert());
    EXPECT_EQ(alert()->alertTitle(), "Sorry");
    EXPECT_EQ(alert()->message().rfind(folderAlertStart("W ork"), 0), 0u) << alert()->message();
    EXPECT_GT(alert()->message().size(), folderAlertStart("W ork").size()) << "a reason follows";
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].rfind("Create work directory error: ", 0), 0u);
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Work"}));
}

TEST_F(CreateSetupTest, NamesThatAreNoPlainFolderNameAreRefusedAndNothingIsWritten) {
    // A folder "a" in place would let "a/b" be made inside it; ".." and "../x" would reach
    // the Kelvora folder itself.
    root.makeFolder("/var/mobile/Kelvora/Setup/a");
    for (std::string name : {"../x", "a/b", ".", "..", "   "}) {
        SCOPED_TRACE(name);
        fillForm(name);
        ASSERT_TRUE(driver->tap("Done").ok());
        ASSERT_TRUE(alert());
        EXPECT_EQ(alert()->message().rfind(folderAlertStart(name), 0), 0u) << alert()->message();
        EXPECT_GT(alert()->message().size(), folderAlertStart(name).size());
        ASSERT_TRUE(driver->tap("Okay").ok());
        ASSERT_TRUE(driver->tap("Cancel").ok());
        EXPECT_FALSE(driver->isShowing("New Setup"));
    }
    EXPECT_EQ(setupFolders(), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(std::filesystem::is_empty(root.host("/var/mobile/Kelvora/Setup/a")));
    EXPECT_FALSE(std::filesystem::exists(root.host("/var/mobile/Kelvora/x")));
    EXPECT_FALSE(std::filesystem::exists(root.host(listFile)));
    for (const auto& line : log.lines()) {
        EXPECT_EQ(line.find("successfully"), std::string::npos) << line;
    }
}

TEST_F(CreateSetupTest, DoneSavesTheNameAsShownEvenWhenEditedAfterTheLastChoice) {
    fillForm("Work");
    ASSERT_TRUE(driver->tap("Work").ok());
    ASSERT_TRUE(driver->type("s").ok());
    // Editing ends without the keyboard's own "Done", which would also read the name.
    ASSERT_TRUE(driver->press(kit::Key::escape).ok());
    ASSERT_TRUE(driver->tap("Done").ok());
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Works"}));
    EXPECT_EQ(setupFolders(), (std::vector<std::string>{"works"}));
}

TEST_F(CreateSetupTest, DoneAppearsOnlyOnceAllThreeAreGivenAndStaysWhenTheNameIsCleared) {
    ASSERT_TRUE(driver->tap("plus").ok());
    ASSERT_TRUE(driver->tap("sparkles").ok());
    ASSERT_TRUE(driver->tap("0A84FE").ok());
    EXPECT_FALSE(driver->isShowing("Done")) << "no name yet";
    ASSERT_TRUE(driver->tap("Setup name...").ok());
    ASSERT_TRUE(driver->type("Work").ok());
    ASSERT_TRUE(driver->tap("Done").ok()) << "the keyboard's Done reads the name";
    EXPECT_TRUE(driver->isShowing("Done"));

    ASSERT_TRUE(driver->tap("Work").ok());
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(driver->press(kit::Key::backspace).ok());
    }
    ASSERT_TRUE(driver->tap("FEE9CD").ok());
    EXPECT_TRUE(driver->isShowing("Done"));
    ASSERT_TRUE(driver->tap("Done").ok());
    ASSERT_TRUE(alert()) << "an empty name has no folder";
    EXPECT_EQ(alert()->message().rfind(folderAlertStart(""), 0), 0u);
}

TEST_F(CreateSetupTest, CancelClosesTheFormWithNothingSaved) {
    fillForm("Work");
    ASSERT_TRUE(driver->tap("Cancel").ok());
    EXPECT_FALSE(driver->isShowing("New Setup"));
    EXPECT_TRUE(setupFolders().empty());
    EXPECT_FALSE(std::filesystem::exists(root.host(listFile)));
}

TEST_F(CreateSetupTest, ListThatCannotBeWrittenIsReportedAndLeavesNoFolderBehind) {
    writeList({record("Home", "home")});
    foundation::FileManager::defaultManager().setFaultHook(
        [](foundation::FaultKind operation, std::string_view path) -> std::optional<int> {
            bool list = path.find("KelvoraList") != std::string_view::npos;
            return list && operation == foundation::FaultKind::write ? std::optional(ENOSPC)
                                                                     : std::nullopt;
        });
    fillForm("Work");
    ASSERT_TRUE(driver->tap("Done").ok());

    ASSERT_TRUE(alert()) << "the form must not close as if the Setup were saved";
    EXPECT_EQ(alert()->alertTitle(), "Error");
    EXPECT_FALSE(alert()->message().empty());
    EXPECT_TRUE(setupFolders().empty());
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Home"}));
    driver->wait(0.2);
    EXPECT_EQ(navigation->topViewController(), screen) << "no explorer for a Setup not saved";
}

// The form's frames: bar, titles, name box and pickers stacked down a scroll view whose
// content ends 30 points below the icon picker.
class CreateSetupFramesTest : public HomeFixture {
  protected:
    void TearDown() override { kit::Screen::main() = saved; }

    kit::Rect frameIn(const kit::View& view, const kit::View& container) const {
        return {view.convert(view.bounds().origin, container), view.bounds().size};
    }

    void expectFrames(double bar, double titleTop) {
        markTutorialSeen();
        launch();
        ASSERT_TRUE(driver->tap("plus").ok());
        auto form = std::dynamic_pointer_cast<CreateSetupViewController>(
            screen->presentedViewController() ? screen->presentedViewController()
                                              : navigation->presentedViewController());
        ASSERT_TRUE(form);
        const auto& content = *form->scrollView;
        EXPECT_EQ(form->navbarView->frame(), kit::Rect(0, 0, 390, bar));
        EXPECT_EQ(content.frame(), kit::Rect(0, 0, 390, 844));
        double name = titleTop + 25 + 5;
        EXPECT_EQ(frameIn(*form->nameView, content), kit::Rect(10, name, 370, 45));
        EXPECT_EQ(form->textField->frame(), kit::Rect(10, 0, 360, 45));
        double colours = name + 45 + 25 + 25 + 4;
        EXPECT_EQ(frameIn(*form->colourView, content), kit::Rect(0, colours, 390, 165));
        double icons = colours + 165 + 25 + 25 + 4;
        EXPECT_EQ(frameIn(*form->iconView, content), kit::Rect(0, icons, 390, 1205));
        EXPECT_EQ(content.contentSize().height, icons + 1205 + 5 + 30);
        EXPECT_TRUE(driver->isShowing("Name your Setup"));
        EXPECT_TRUE(driver->isShowing("Choose a Colour"));
        EXPECT_TRUE(driver->isShowing("Choose an Icon"));
        EXPECT_EQ(form->navbarView->rightTitleButton()->alpha(), 0);
    }

    kit::Screen saved = kit::Screen::main();
};

TEST_F(CreateSetupFramesTest, NotchedScreenHasTheTallBarAndTheLowerFirstTitle) {
    kit::Screen::main() = kit::Screen::notched();
    expectFrames(92, 120);
}

TEST_F(CreateSetupFramesTest, ScreenWithoutANotchHasTheShortBarAndTheHigherFirstTitle) {
    kit::Screen::main() = kit::Screen::classic();
    expectFrames(66, 90);
}

}  // namespace

}  // namespace kelvora
