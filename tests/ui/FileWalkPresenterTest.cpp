#include "ui/FileWalkPresenter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/AlertController.h"
#include "tests/support/ScreenHarness.h"

namespace kelvora {

namespace {

using Closing = FileWalkPresenter::Closing;

constexpr const char* kFrom = "/from/";
constexpr const char* kTo = "/to/";

class FileWalkPresenterTest : public testing::Test {
  protected:
    void SetUp() override {
        ui.show(screen);
        screen->view()->addSubview(overlay);
        ui.root.makeFolder(kTo);
    }

    // Copies the names, the last one from a source that does not exist when `lastFails`.
    int present(Closing closing, bool lastFails) {
        ui.root.write(std::string(kFrom) + "a.plist", "a");
        if (!lastFails) {
            ui.root.write(std::string(kFrom) + "b.plist", "b");
        }
        int completions = 0;
        FileWalkPresenter::run(FileWalk::copy(kFrom, kTo, {"a.plist", "b.plist"}), overlay, screen,
                               closing, [&](const FileWalkSummary&) { ++completions; });
        queue.advance(0.19);
        EXPECT_EQ(completions, 0) << "the closing step waits 0.2 s";
        queue.advance(0.02);
        return completions;
    }
    std::shared_ptr<kit::AlertController> alert() const {
        return std::dynamic_pointer_cast<kit::AlertController>(screen->presentedViewController());
    }

    testsupport::ScreenHarness ui;
    foundation::MainQueue& queue = foundation::MainQueue::main();
    std::shared_ptr<kit::ViewController> screen = std::make_shared<kit::ViewController>();
    std::shared_ptr<SpinnerMessageView> overlay = SpinnerMessageView::init();
};

TEST_F(FileWalkPresenterTest, AWalkThatSucceedsShowsItsLastCopyAndClosesAFifthOfASecondLater) {
    EXPECT_EQ(present(Closing::whenLastSucceeded, false), 1);
    EXPECT_EQ(overlay->messageLabel()->text(), std::string("Copying ") + kTo + "b.plist");
    EXPECT_EQ(overlay->alpha(), 0) << "the closing step hides the overlay";
    EXPECT_EQ(alert(), nullptr);
}

TEST_F(FileWalkPresenterTest, AFailureShowsAnErrorAndTheClosingRuleDecidesWhetherToClose) {
    EXPECT_EQ(present(Closing::whenLastSucceeded, true), 0);
    ASSERT_NE(alert(), nullptr);
    EXPECT_EQ(alert()->alertTitle(), "Error");
    EXPECT_NE(alert()->message().find("b.plist"), std::string::npos);
    EXPECT_EQ(overlay->alpha(), 0) << "a failure hides the overlay";
    screen->dismiss(false);

    EXPECT_EQ(present(Closing::whenAnythingChanged, true), 1) << "a.plist changed on disk";
    screen->dismiss(false);

    int completions = 0;
    FileWalkPresenter::run(FileWalk::remove(kTo, {"gone.plist"}), overlay, screen,
                           Closing::whenLastSucceeded,
                           [&](const FileWalkSummary&) { ++completions; });
    queue.advance(0.2);
    EXPECT_EQ(completions, 1) << "a name already gone counts as removed";
}

}  // namespace

}  // namespace kelvora
