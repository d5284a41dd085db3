#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/AlertController.h"
#include "tests/platform/kit/KitScreen.h"
#include "tests/platform/kit/RecordingController.h"

using kit::AlertActionStyle;
using kit::AlertController;
using kit::AlertControllerStyle;
using kittest::RecordingController;

namespace {

class AlertControllerTest : public kittest::DrivenTest {
  protected:
    void SetUp() override { show(home); }

    std::shared_ptr<AlertController> sortSheet() {
        auto sheet = AlertController::make("Sort", "", AlertControllerStyle::actionSheet);
        sheet->addAction({"Date Oldest", AlertActionStyle::defaultStyle, {}, true});
        sheet->addAction({"Cancel", AlertActionStyle::cancel, [this] { chosen.push_back("-"); }});
        return sheet;
    }

    std::shared_ptr<RecordingController> home = std::make_shared<RecordingController>("Home");
    std::vector<std::string> chosen;
};

TEST_F(AlertControllerTest, TappingAnActionDismissesFirstAndThenRunsItsHandlerOnce) {
    auto alert = AlertController::make("Kelvora", "Restore?", AlertControllerStyle::alert);
    std::shared_ptr<kit::ViewController> presentedInHandler = alert;
    int runs = 0;
    alert->addAction({"Restore", AlertActionStyle::defaultStyle, [&] {
                          ++runs;
                          presentedInHandler = home->presentedViewController();
                      }});
    alert->addAction({"Cancel", AlertActionStyle::cancel, {}});
    home->present(alert, true);
    driver->wait(1);

    ASSERT_TRUE(driver->tap("Restore").ok());
    alert->performAction(0);  // a second tap while it fades

    EXPECT_EQ(runs, 1);
    EXPECT_EQ(presentedInHandler, nullptr) << "so the handler can present its own alert";
    driver->wait(1);
    EXPECT_FALSE(driver->isShowing("Restore?"));
}

TEST_F(AlertControllerTest, TwoActionsSitSideBySideOnlyWhenBothTitlesFitElseStackInOrder) {
    for (std::string first : {"Delete", "Restore Evening Setup"}) {
        bool fits = first == "Delete";
        auto alert = AlertController::make("Evening", "Sure?", AlertControllerStyle::alert);
        alert->addAction({first, AlertActionStyle::destructive, {}});
        // A cancel action goes on the left when side by side.
        alert->addAction(
            {"Cancel", fits ? AlertActionStyle::cancel : AlertActionStyle::destructive, {}});
        home->present(alert, false);
        driver->settle();

        auto one = alert->actionButtons()[0]->convertToWindow({0, 0});
        auto two = alert->actionButtons()[1]->convertToWindow({0, 0});
        EXPECT_EQ(one.y == two.y, fits) << first;
        EXPECT_EQ(two.x < one.x, fits) << first;
        EXPECT_NEAR(alert->panelView()->frame().midY(), 422, 1) << "in the middle of the screen";
        for (const auto& button : alert->actionButtons()) {
            EXPECT_GT(button->bounds().width(),
                      kit::Font::systemFontOfSize(17).sizeOfText(*button->currentTitle()).width +
                          AlertController::buttonTitlePadding)
                << "the title keeps its padding";
        }
        alert->dismiss(false);
    }
}

// The sort sheet's rows, check mark and bottom Cancel panel are fixed by the home screen's
// golden file.
TEST_F(AlertControllerTest, ATapOnTheDimmedScreenOrEscapeDoesWhatCancelDoes) {
    home->present(sortSheet(), false);
    driver->settle();
    ASSERT_TRUE(driver->tapAt({195, 100}).ok());
    EXPECT_EQ(home->presentedViewController(), nullptr);
    driver->wait(1);

    home->present(sortSheet(), false);
    driver->settle();
    ASSERT_TRUE(driver->press(kit::Key::escape).ok());
    EXPECT_EQ(chosen, (std::vector<std::string>{"-", "-"}));
    EXPECT_FALSE(driver->press(kit::Key::escape).ok()) << "nothing left to escape from";
}

}  // namespace
