#include "ui/SpinnerMessageView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/Button.h"
#include "platform/kit/Font.h"
#include "platform/kit/TextLayout.h"
#include "store/SetupManager.h"
#include "tests/support/DeviceRoot.h"
#include "tests/ui/GeometryPrinting.h"
#include "tests/ui/HostScreen.h"
#include "ui/SectionTitleView.h"
#include "ui/extension.h"

using kit::Rect;

namespace {

const std::string kLongMessage =
    "Copying com.example.first.plist, com.example.second.plist, com.example.third.plist and "
    "com.example.fourth.plist into the Setup";

class SpinnerMessageViewTest : public testing::Test {
  protected:
    // As every host does it: see-through from the start, over the whole root view.
    std::shared_ptr<SpinnerMessageView> host() {
        auto overlay = SpinnerMessageView::init();
        overlay->setAlpha(0);
        screen.root->addSubview(overlay);
        extension::fill(*overlay);
        screen.root->layoutIfNeeded();
        return overlay;
    }

    testsupport::DeviceRoot deviceRoot;
    foundation::MainQueue& queue = foundation::MainQueue::main();
    uitest::HostScreen screen;
};

TEST_F(SpinnerMessageViewTest, PanelSpinnerAndMessageSitWhereTheyBelongOnAPhoneScreen) {
    auto overlay = host();
    overlay->beginAnimateWithMessage("Copying 3 of 12");
    screen.root->layoutIfNeeded();

    EXPECT_EQ(overlay->frame(), Rect(0, 0, 390, 844));
    // 80 points narrower than the screen, 120 high, centred: (844 - 120) / 2 = 362.
    EXPECT_EQ(overlay->baseView()->frame(), Rect(40, 362, 310, 120));
    EXPECT_EQ(overlay->spinner()->frame(), Rect(120, 5, 70, 70));
    EXPECT_EQ(overlay->spinner()->transform(), kit::AffineTransform::scale(1.7, 1.7));

    // Labels round their measured height up to whole points.
    double line = kit::Font::systemFontOfSize(18).lineHeight();
    EXPECT_EQ(overlay->messageLabel()->frame(),
              Rect(20, 110 - std::ceil(line), 270, std::ceil(line)));

    overlay->messageLabel()->setText(kLongMessage);
    screen.root->layoutIfNeeded();
    EXPECT_EQ(overlay->messageLabel()->frame().height(), std::ceil(2 * line))
        << "two lines at most";
    EXPECT_EQ(overlay->messageLabel()->frame().maxY(), 110);
    auto* label = overlay->messageLabel().get();
    kit::TextLayout shown(label->text(), label->font(), label->layoutOptions(270));
    EXPECT_TRUE(shown.isTruncated());
    EXPECT_EQ(shown.numberOfLines(), 2);
}

TEST_F(SpinnerMessageViewTest, SpinnerTakesTheStoredAccentColour) {
    deviceRoot.makeFolder("/var/jb/vmo/Library/Preferences");
    SetupManager::sharedInstance().setObject(foundation::PlistValue("FF0000"), "accentColour",
                                             std::string("com.zerovin.KelvoraPrefs"));
    auto overlay = host();
    EXPECT_EQ(overlay->spinner()->color().components(), (kit::Rgba{1, 0, 0, 1}));
}

TEST_F(SpinnerMessageViewTest, ShowingFadesInOverAFifthOfASecondWithTheMessageAtOnce) {
    auto overlay = host();
    EXPECT_TRUE(overlay->spinner()->isHidden()) << "hidden while it does not spin";

    overlay->beginAnimateWithMessage("");
    EXPECT_EQ(overlay->alpha(), 1);
    EXPECT_TRUE(overlay->spinner()->isAnimating());
    EXPECT_FALSE(overlay->spinner()->isHidden());
    EXPECT_EQ(overlay->messageLabel()->text(), "");
    EXPECT_EQ(overlay->presentationAlpha(), 0);
    queue.advance(0.1);
    EXPECT_GT(overlay->presentationAlpha(), 0);
    EXPECT_LT(overlay->presentationAlpha(), 1);
    queue.advance(0.1);
    EXPECT_EQ(overlay->presentationAlpha(), 1);

    overlay->messageLabel()->setText("Restoring 1 of 2");
    EXPECT_EQ(overlay->messageLabel()->text(), "Restoring 1 of 2");
}

TEST_F(SpinnerMessageViewTest, HidingFadesOutStopsTheSpinnerAndKeepsTheMessage) {
    auto overlay = host();
    overlay->beginAnimateWithMessage("Deleting");
    queue.advance(0.2);

    overlay->stopAnimate();
    EXPECT_EQ(overlay->alpha(), 0);
    EXPECT_FALSE(overlay->spinner()->isAnimating());
    EXPECT_TRUE(overlay->spinner()->isHidden());
    EXPECT_EQ(overlay->messageLabel()->text(), "Deleting");
    EXPECT_EQ(overlay->presentationAlpha(), 1);
    queue.advance(0.1);
    EXPECT_GT(overlay->presentationAlpha(), 0);
    queue.advance(0.1);
    EXPECT_EQ(overlay->presentationAlpha(), 0);
}

TEST_F(SpinnerMessageViewTest, StoppingAnOverlayNeverShownLeavesItHidden) {
    auto overlay = host();
    overlay->stopAnimate();
    for (int step = 0; step < 4; ++step) {
        EXPECT_EQ(overlay->alpha(), 0);
        EXPECT_EQ(overlay->presentationAlpha(), 0);
        queue.advance(0.05);
    }
    EXPECT_TRUE(overlay->spinner()->isHidden());
    EXPECT_FALSE(overlay->spinner()->isAnimating());
}

// A screen's view that would act on touches reaching it, as a scroll view does on a drag.
class TouchCounter final : public kit::View {
  public:
    void touchesBegan(const kit::Touch&) override { ++touches; }
    int touches = 0;
};

TEST_F(SpinnerMessageViewTest, ShownOverlaySwallowsTouchesAndHiddenOneLetsThemThrough) {
    auto content = std::make_shared<TouchCounter>();
    screen.root->addSubview(content);
    extension::fill(*content);
    auto button = kit::Button::buttonWithType(kit::ButtonType::custom);
    content->addSubview(button);
    extension::size(*button, {100, 44});
    extension::x(*button, content->centerXAnchor());
    extension::top(*button, content->topAnchor(), 100);
    int taps = 0;
    button->addAction([&taps](const auto&) { ++taps; }, kit::ControlEvents::touchUpInside);

    auto overlay = SpinnerMessageView::init();
    overlay->setAlpha(0);
    content->addSubview(overlay);
    extension::fill(*overlay);
    screen.root->layoutIfNeeded();
    ASSERT_EQ(button->frame(), Rect(145, 100, 100, 44));

    overlay->beginAnimateWithMessage("");
    screen.tap({195, 122});
    screen.tap({20, 800});
    EXPECT_EQ(taps, 0);
    EXPECT_EQ(content->touches, 0) << "the touches stop at the overlay";

    overlay->stopAnimate();
    screen.tap({195, 122});
    EXPECT_EQ(taps, 1);
    screen.tap({20, 800});
    EXPECT_EQ(content->touches, 1);
}

TEST(SectionTitleView, TitleIsOneLeftAlignedLineInsetTenPointsAndCutWhenTooLong) {
    auto host = std::make_shared<kit::View>(Rect{0, 0, 390, 200});
    auto section = SectionTitleView::initWithTitle("Name");
    host->addSubview(section);
    extension::top(*section, host->topAnchor(), 40);
    extension::leading(*section, host->leadingAnchor(), 0);
    extension::trailing(*section, host->trailingAnchor(), 0);
    extension::height(*section, 25);
    host->layoutIfNeeded();

    auto label = section->titleLabel();
    EXPECT_EQ(label->frame().minX(), 10);
    EXPECT_EQ(label->frame().width(), 370);
    EXPECT_DOUBLE_EQ(label->frame().midY(), 12.5);
    EXPECT_EQ(label->textAlignment(), kit::TextAlignment::left);
    EXPECT_EQ(label->font(), kit::Font::systemFontOfSize(18, kit::FontWeight::semibold));
    EXPECT_EQ(section->backgroundColor(), kit::Color::clearColor());

    label->setText(kLongMessage);
    host->layoutIfNeeded();
    EXPECT_EQ(label->frame().width(), 370);
    EXPECT_EQ(label->frame().height(), std::ceil(label->font().lineHeight()));
    kit::TextLayout shown(label->text(), label->font(), label->layoutOptions(370));
    EXPECT_TRUE(shown.isTruncated());
    EXPECT_EQ(shown.numberOfLines(), 1);
}

}  // namespace
