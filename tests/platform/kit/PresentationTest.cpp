#include <gtest/gtest.h>

#include <memory>

#include "platform/kit/AlertController.h"
#include "platform/kit/PresentationView.h"
#include "platform/kit/TabBarController.h"
#include "tests/platform/kit/KitScreen.h"
#include "tests/platform/kit/RecordingController.h"
#include "tests/support/LogCapture.h"

using kit::AlertController;
using kit::AlertControllerStyle;
using kit::PresentationView;
using kittest::RecordingController;

namespace {

class PresentationTest : public kittest::DrivenTest {
  protected:
    void SetUp() override { show(home); }

    static std::shared_ptr<AlertController> alert(const std::string& title) {
        auto made = AlertController::make(title, "message", AlertControllerStyle::alert);
        made->addAction({"Okay", kit::AlertActionStyle::cancel, {}, false});
        return made;
    }

    foundation::MainQueue& queue = foundation::MainQueue::main();
    std::shared_ptr<RecordingController> home = std::make_shared<RecordingController>("Home");
    testsupport::LogCapture log;
};

TEST_F(PresentationTest, DismissalTakesAwayWhatThePresentedScreenPresentedWhenTheTransitionEnds) {
    auto sheet = std::make_shared<RecordingController>("Sheet");
    int completions = 0;
    home->present(sheet, true);
    driver->wait(1);
    sheet->present(alert("Sort"), false);
    driver->settle();
    ASSERT_TRUE(driver->isShowing("Okay"));

    home->dismiss(true, [&] { ++completions; });
    EXPECT_EQ(home->presentedViewController(), nullptr) << "the model changes at once";
    EXPECT_FALSE(driver->isShowing("Okay")) << "what is leaving takes no touches";
    queue.advance(PresentationView::transitionDuration - 0.01);
    EXPECT_EQ(completions, 0);
    queue.advance(0.01);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(sheet->count("didDisappear"), 1);
    EXPECT_EQ(sheet->presentedViewController(), nullptr);
    EXPECT_EQ(window->subviews().size(), 1u);
    sheet->dismiss(true, [&] { ++completions; });
    driver->wait(1);
    EXPECT_EQ(completions, 1) << "dismissing what is not presented does nothing";
}

TEST_F(PresentationTest, ASheetCoversWithoutDisappearingAndASwipeClosesItUnlessModal) {
    auto tutorial = std::make_shared<RecordingController>("Tutorial");
    tutorial->setModalInPresentation(true);
    home->present(tutorial, false);
    driver->settle();
    EXPECT_FALSE(driver->isShowing("Home content")) << "dimmed and untouchable";
    EXPECT_EQ(home->count("willDisappear"), 0);
    double top = tutorial->view()->convertToWindow({0, 0}).y;

    ASSERT_TRUE(driver->drag({195, top + 8}, {195, top + 300}).ok());
    driver->wait(1);
    EXPECT_EQ(home->presentedViewController(), tutorial);

    tutorial->dismiss(false);
    home->present(std::make_shared<RecordingController>("Loose"), false);
    driver->settle();
    ASSERT_TRUE(driver->drag({195, top + 8}, {195, top + 300}).ok());
    driver->wait(1);
    EXPECT_EQ(home->presentedViewController(), nullptr);
    EXPECT_TRUE(driver->isShowing("Home content"));
}

TEST_F(PresentationTest, FullScreenCrossDissolveFadesOnTheClockAndTellsThePresenterBothWays) {
    auto form = std::make_shared<RecordingController>("Form");
    form->setModalPresentationStyle(kit::ModalPresentationStyle::fullScreen);
    form->setModalTransitionStyle(kit::ModalTransitionStyle::crossDissolve);
    bool presented = false;
    home->present(form, true, [&] { presented = true; });
    auto container = std::dynamic_pointer_cast<PresentationView>(window->subviews().back());
    ASSERT_NE(container, nullptr);

    queue.advance(PresentationView::transitionDuration / 2);
    EXPECT_GT(container->presentationAlpha(), 0.1);
    EXPECT_LT(container->presentationAlpha(), 0.9);
    EXPECT_FALSE(presented);
    queue.advance(PresentationView::transitionDuration / 2);
    EXPECT_DOUBLE_EQ(container->presentationAlpha(), 1);
    EXPECT_TRUE(presented);
    EXPECT_EQ(form->count("didAppear"), 1);
    form->dismiss(true);
    driver->wait(1);
    EXPECT_TRUE(driver->isShowing("Home content"));
    EXPECT_EQ(home->count("willAppear"), 2);
}

// A second presentation while one is up, or one from a screen off the window, is refused
// with a line naming who asked whom; a child presents through its container.
TEST_F(PresentationTest, RefusedPresentationsAreLoggedAndAChildPresentsThroughItsContainer) {
    auto offscreen = std::make_shared<RecordingController>("Offscreen");
    offscreen->loadViewIfNeeded();
    offscreen->present(alert("Lost"), false);
    EXPECT_EQ(offscreen->presentedViewController(), nullptr);
    auto child = std::make_shared<RecordingController>("Settings");
    auto tabs = std::make_shared<kit::TabBarController>();
    tabs->setViewControllers({child});
    window->setRootViewController(tabs);
    auto first = alert("one");
    bool secondCompleted = false;
    child->present(first, false);
    child->present(alert("two"), false, [&] { secondCompleted = true; });
    EXPECT_EQ(tabs->presentedViewController(), first);
    EXPECT_EQ(child->presentedViewController(), first);
    EXPECT_FALSE(secondCompleted);

    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_NE(log.lines()[0].find("not in the window hierarchy"), std::string::npos);
    const auto& line = log.lines()[1];
    EXPECT_NE(line.find("which is already presenting <AlertController"), std::string::npos);
    EXPECT_NE(line.find(" on <TabBarController: 0x"), std::string::npos) << line;
    EXPECT_NE(line.find(" (from <RecordingController: 0x"), std::string::npos) << line;
}

}  // namespace
