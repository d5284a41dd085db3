#include "ui/SpinnerMessageView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "appearance/SetupAppearance.h"
#include "platform/foundation/MainQueue.h"
#include "platform/kit/TextLayout.h"
#include "store/SetupManager.h"
#include "tests/support/Golden.h"
#include "tests/support/ScreenHarness.h"
#include "ui/SectionTitleView.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

const std::string kLongText =
    "Copying com.example.first.plist, com.example.second.plist, com.example.third.plist and "
    "com.example.fourth.plist into the Setup";

// A view of the screen under the overlay that would act on touches reaching it, as a scroll
// view does on a drag.
class TouchCounter final : public kit::View {
  public:
    void touchesBegan(const kit::Touch&) override { ++touches; }
    int touches = 0;
};

class SpinnerMessageViewTest : public testing::Test {
  protected:
    // As every host does it: see-through from the start, filling the screen.
    void SetUp() override {
        overlay->setAlpha(0);
        content->addSubview(overlay);
        extension::fill(*overlay);
        ui.showView(content);
    }
    void tap(kit::Point point) const {
        ui.window->sendTouch(kit::TouchPhase::began, point);
        ui.window->sendTouch(kit::TouchPhase::ended, point);
    }

    testsupport::ScreenHarness ui;
    foundation::MainQueue& queue = foundation::MainQueue::main();
    std::shared_ptr<TouchCounter> content = std::make_shared<TouchCounter>();
    std::shared_ptr<SpinnerMessageView> overlay = SpinnerMessageView::init();
};

// Stopped before it was ever shown, it stays hidden rather than flashing. A long message takes
// two lines, cut at the end, standing on the panel's bottom, and stays while the overlay fades.
TEST_F(SpinnerMessageViewTest, ShowsALongMessageOnItsPanelAndFadesInTheStoredAccent) {
    overlay->stopAnimate();
    queue.advance(0.2);
    EXPECT_EQ(overlay->presentationAlpha(), 0);
    EXPECT_TRUE(overlay->spinner()->isHidden());

    overlay->beginAnimateWithMessage(kLongText);
    EXPECT_FALSE(overlay->spinner()->isHidden());
    queue.advance(0.2);
    EXPECT_EQ(overlay->presentationAlpha(), 1);
    ui.window->layoutIfNeeded();
    testsupport::expectScreenMatchesGolden(ui.window, "ui-spinner-notched-light");
    auto label = overlay->messageLabel();
    EXPECT_TRUE(
        kit::TextLayout(label->text(), label->font(), label->layoutOptions(270)).isTruncated());
    overlay->stopAnimate();
    EXPECT_TRUE(overlay->spinner()->isHidden());
    EXPECT_FALSE(overlay->spinner()->isAnimating());
    queue.advance(0.1);
    EXPECT_EQ(label->text(), kLongText);
    queue.advance(0.1);
    EXPECT_EQ(overlay->presentationAlpha(), 0);

    ui.root.makeFolder("/var/jb/vmo/Library/Preferences");
    SetupManager::sharedInstance().setObject(foundation::PlistValue("FF0000"), "accentColour",
                                             std::string("com.zerovin.KelvoraPrefs"));
    EXPECT_EQ(SpinnerMessageView::init()->spinner()->color().components(), (kit::Rgba{1, 0, 0, 1}));
}

TEST_F(SpinnerMessageViewTest, ShownOverlaySwallowsTouchesAndHiddenOneLetsThemThrough) {
    overlay->beginAnimateWithMessage("");
    tap({195, 122});
    EXPECT_EQ(content->touches, 0) << "the touches stop at the overlay";
    overlay->stopAnimate();
    tap({195, 122});
    EXPECT_EQ(content->touches, 1);
}

// WCAG's contrast of the title laid over the form's background: 4.5:1 is the least for text.
TEST(SectionTitleView, TitlesCanBeReadOnTheFormInBothAppearances) {
    auto title = SectionTitleView::initWithTitle("Colour")->titleLabel()->textColor();
    for (auto style : {kit::InterfaceStyle::light, kit::InterfaceStyle::dark}) {
        kit::Rgba back = SetupAppearance::primaryColour().resolved(style);
        kit::Rgba text = title.resolved(style);
        auto luminance = [&](double alpha) {
            auto channel = [alpha](double front, double behind) {
                double c = front * alpha + behind * (1 - alpha);
                return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(text.red, back.red) + 0.7152 * channel(text.green, back.green) +
                   0.0722 * channel(text.blue, back.blue);
        };
        double shown = luminance(text.alpha);
        double behind = luminance(0);
        EXPECT_GE((std::max(shown, behind) + 0.05) / (std::min(shown, behind) + 0.05), 4.5);
    }
}

}  // namespace

}  // namespace kelvora
