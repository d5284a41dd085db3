#include "ui/DynamicNavigationBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/Font.h"
#include "platform/kit/TextLayout.h"
#include "tests/support/LogCapture.h"
#include "tests/ui/GeometryPrinting.h"
#include "tests/ui/HostScreen.h"
#include "ui/extension.h"

using kit::Color;
using kit::Rect;

namespace {

const Color kAccent = Color::rgba(4 / 255.0, 199 / 255.0, 190 / 255.0);
const std::string kLongTitle =
    "A title far too long for any phone screen to show on one line of the bar";

class DynamicNavigationBarTest : public testing::Test {
  protected:
    void SetUp() override { foundation::MainQueue::main().reset(); }
    void TearDown() override { foundation::MainQueue::main().reset(); }

    // Placed as the new-setup form places it on a notched screen: full width, 92 high.
    void place(const std::shared_ptr<DynamicNavigationBar>& bar) {
        screen.root->addSubview(bar);
        extension::top(*bar, screen.root->topAnchor(), screen.root->leadingAnchor(), std::nullopt,
                       screen.root->trailingAnchor(), {});
        extension::height(*bar, 92);
        screen.root->layoutIfNeeded();
    }

    static kit::Point centreOf(const kit::View& view) {
        return view.convertToWindow({view.bounds().midX(), view.bounds().midY()});
    }

    uitest::HostScreen screen;
    testsupport::LogCapture log;
};

TEST_F(DynamicNavigationBarTest, TitleOnlyBarHasBlurHairlineAndCentreLineButNoButtons) {
    auto bar = DynamicNavigationBar::initWithTitle("");
    place(bar);

    EXPECT_FALSE(bar->leftIconButton() || bar->rightIconButton() || bar->leftTitleButton() ||
                 bar->rightTitleButton());
    ASSERT_EQ(bar->subviews().size(), 4u);
    EXPECT_EQ(bar->subviews().front(), bar->blurEffectView()) << "the blur is the rearmost";
    EXPECT_EQ(bar->blurEffectView()->effect(), kit::BlurEffectStyle::systemChromeMaterial);
    EXPECT_EQ(bar->backgroundColor(), Color::clearColor());

    EXPECT_EQ(bar->frame(), Rect(0, 0, 390, 92));
    EXPECT_EQ(bar->blurEffectView()->frame(), Rect(0, 0, 390, 91.5));
    EXPECT_EQ(bar->lineView()->frame(), Rect(0, 91.5, 390, 0.5));
    EXPECT_EQ(bar->lineView()->alpha(), 0.5);
    EXPECT_EQ(bar->centerView()->frame(), Rect(0, 70, 390, 2));
    EXPECT_EQ(bar->titleLabel()->center().y, 71);
    EXPECT_TRUE(log.lines().empty()) << "no constraint of the bar conflicts";
}

TEST_F(DynamicNavigationBarTest, CancelButtonIsItsTextPlusTenWideAndCentredOnTheBarsLine) {
    auto bar = DynamicNavigationBar::initWithTitleAccentLeftTitle(
        "New Setup", kAccent, "Cancel", "dismissVC", "Done", "saveChanges");
    place(bar);
    auto cancel = bar->leftTitleButton();
    auto done = bar->rightTitleButton();
    ASSERT_TRUE(cancel && done);

    // "Cancel" in the 17-point system font is about 55 points wide; the centre line lies 21
    // points above the bar's bottom, so the 25-point button starts 12.5 above that.
    double cancelText = kit::TextLayout("Cancel", kit::Font::systemFontOfSize(17)).size().width;
    EXPECT_NEAR(cancelText, 55, 0.5);
    EXPECT_EQ(cancel->frame(), Rect(10, 58.5, cancelText + 10, 25));
    double doneWidth = kit::Font::systemFontOfSize(17).sizeOfText("Done").width;
    EXPECT_DOUBLE_EQ(done->frame().width(), doneWidth + 10);
    EXPECT_DOUBLE_EQ(done->frame().maxX(), 380);
    EXPECT_EQ(done->frame().midY(), 71);
    EXPECT_EQ(bar->titleLabel()->frame().midX(), 195);
    EXPECT_EQ(bar->titleLabel()->frame().midY(), 71);
    EXPECT_EQ(cancel->titleAlignment(), kit::TextAlignment::left);
    EXPECT_EQ(done->titleAlignment(), kit::TextAlignment::right);

    EXPECT_EQ(cancel->currentTitleColor(), kAccent);
    screen.press(centreOf(*cancel));
    EXPECT_EQ(cancel->currentTitleColor(), kAccent.withAlpha(0.5)) << "half opacity while held";
    screen.move({200, 500});
    screen.lift({200, 500});
    EXPECT_EQ(cancel->currentTitleColor(), kAccent);
    EXPECT_TRUE(screen.controller->performed.empty()) << "lifted outside: no action";
}

TEST_F(DynamicNavigationBarTest, ButtonActionsTravelUpTheChainToWhoeverDefinesThem) {
    auto bar = DynamicNavigationBar::initWithTitleAccentLeftTitle(
        "New Setup", kAccent, "Cancel", "dismissVC", "Done", "saveChanges");
    place(bar);
    screen.controller->define("dismissVC");
    screen.application->define("dismissVC");

    screen.tap(centreOf(*bar->leftTitleButton()));
    EXPECT_EQ(screen.controller->performed, std::vector<std::string>{"dismissVC"});
    ASSERT_EQ(screen.controller->senders.size(), 1u);
    EXPECT_EQ(screen.controller->senders[0], bar->leftTitleButton());
    EXPECT_TRUE(screen.application->performed.empty()) << "only the first definer performs it";

    // Nobody defines "saveChanges": the tap is dropped without effect.
    screen.tap(centreOf(*bar->rightTitleButton()));
    EXPECT_EQ(screen.controller->performed, std::vector<std::string>{"dismissVC"});
    EXPECT_TRUE(screen.application->performed.empty());

    screen.application->define("saveChanges");
    screen.tap(centreOf(*bar->rightTitleButton()));
    EXPECT_EQ(screen.application->performed, std::vector<std::string>{"saveChanges"});
}

TEST_F(DynamicNavigationBarTest, IconButtonDimsWhilePressedAndRecoversAfterDraggingOff) {
    auto bar = DynamicNavigationBar::initWithTitleAccentBackIcon("Files", kAccent, "chevron.left",
                                                                 "goBack");
    place(bar);
    auto back = bar->leftIconButton();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->frame(), Rect(10, 58.5, 25, 25));
    EXPECT_EQ(back->icon()->frame(), Rect(0, 0, 25, 25));
    EXPECT_EQ(back->icon()->contentMode(), kit::ContentMode::scaleAspectFit);
    EXPECT_EQ(back->icon()->tintColor(), kAccent);
    ASSERT_TRUE(back->icon()->image());
    EXPECT_EQ(back->icon()->image()->name(), "chevron.left");
    screen.controller->define("goBack");

    auto& queue = foundation::MainQueue::main();
    screen.press(centreOf(*back));
    EXPECT_EQ(back->alpha(), 0.5);
    queue.advance(0.05);
    EXPECT_GT(back->presentationAlpha(), 0.5) << "the dimming is animated over 0.1 s";
    queue.advance(0.05);
    EXPECT_EQ(back->presentationAlpha(), 0.5);

    screen.move({300, 600});
    EXPECT_EQ(back->alpha(), 0.5) << "still held, even off the button";
    screen.lift({300, 600});
    EXPECT_EQ(back->alpha(), 1);
    queue.advance(0.1);
    EXPECT_EQ(back->presentationAlpha(), 1);
    EXPECT_TRUE(screen.controller->performed.empty());

    screen.press(centreOf(*back));
    screen.cancel(centreOf(*back));
    EXPECT_EQ(back->alpha(), 1) << "a cancelled touch also returns it to normal";

    screen.tap(centreOf(*back));
    EXPECT_EQ(screen.controller->performed, std::vector<std::string>{"goBack"});
    EXPECT_EQ(back->alpha(), 1);
}

TEST_F(DynamicNavigationBarTest, ActionMayCloseTheScreenThatHoldsTheBar) {
    auto bar = DynamicNavigationBar::initWithTitleAccentBackIcon("Files", kAccent, "chevron.left",
                                                                 "goBack");
    place(bar);
    std::weak_ptr<DynamicNavigationBar> weakBar = bar;
    kit::Point point = centreOf(*bar->leftIconButton());
    screen.controller->define("goBack", [&] { weakBar.lock()->removeFromSuperview(); });
    bar.reset();

    screen.tap(point);
    EXPECT_EQ(screen.controller->performed, std::vector<std::string>{"goBack"});
    EXPECT_TRUE(weakBar.expired());
}

TEST_F(DynamicNavigationBarTest, UnknownSymbolGivesAnIconWithoutImage) {
    auto bar =
        DynamicNavigationBar::initWithTitleAccentBackIcon("", kAccent, "Not A Symbol!", "goBack");
    place(bar);
    EXPECT_FALSE(bar->leftIconButton()->icon()->image());
    EXPECT_EQ(bar->leftIconButton()->frame(), Rect(10, 58.5, 25, 25));
}

TEST_F(DynamicNavigationBarTest, TwoIconTitleStaysCentredAndClearOfBothIcons) {
    auto bar = DynamicNavigationBar::initWithTitleAccentLeftIcon(
        kLongTitle, kAccent, "xmark", "dismissVC", "checkmark", "saveChanges");
    place(bar);
    auto left = bar->leftIconButton();
    auto right = bar->rightIconButton();
    auto title = bar->titleLabel();

    EXPECT_EQ(left->frame(), Rect(10, 58.5, 25, 25));
    EXPECT_EQ(right->frame(), Rect(352, 57, 28, 28));
    EXPECT_EQ(right->icon()->frame(), Rect(1.5, 1.5, 25, 25)) << "a 25-point image, centred";
    // Right limit 352 - 25; centred on 195, so it starts at 63, 28 clear of the left icon.
    EXPECT_EQ(title->frame().minX(), 63);
    EXPECT_EQ(title->frame().maxX(), 327);
    EXPECT_TRUE(log.lines().empty()) << "no constraint was dropped as a conflict";
}

TEST_F(DynamicNavigationBarTest, RightTitleOnlyLimitsTheTitleOnBothSidesOfTheCentre) {
    auto bar =
        DynamicNavigationBar::initWithTitleAccentRightTitle(kLongTitle, kAccent, "Add", "addFiles");
    place(bar);
    auto add = bar->rightTitleButton();
    auto title = bar->titleLabel();
    ASSERT_FALSE(bar->leftTitleButton());

    EXPECT_DOUBLE_EQ(title->frame().maxX(), add->frame().minX() - 25);
    EXPECT_DOUBLE_EQ(title->frame().midX(), 195);
    EXPECT_GT(title->frame().minX(), 0);
    kit::TextLayout shown(title->text(), title->font(),
                          title->layoutOptions(title->frame().width()));
    EXPECT_TRUE(shown.isTruncated());
}

TEST_F(DynamicNavigationBarTest, WithoutLimitsALongTitleKeepsItsFullWidth) {
    auto bar = DynamicNavigationBar::initWithTitleAccentLeftTitle(kLongTitle, kAccent, "Cancel",
                                                                  "dismissVC");
    place(bar);
    auto title = bar->titleLabel();
    EXPECT_EQ(title->frame().width(), title->intrinsicContentSize().width);
    EXPECT_GT(title->frame().width(), 390);
    EXPECT_DOUBLE_EQ(title->frame().midX(), 195);
    EXPECT_EQ(title->font(), kit::Font::boldSystemFontOfSize(19));
    EXPECT_EQ(title->textAlignment(), kit::TextAlignment::center);
}

}  // namespace
