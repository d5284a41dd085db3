#include "ui/DynamicNavigationBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/TextLayout.h"
#include "tests/support/LogCapture.h"
#include "tests/ui/GeometryPrinting.h"
#include "tests/ui/HostScreen.h"
#include "ui/extension.h"

namespace kelvora {

using kit::Color;
using kit::Rect;
using kit::TouchPhase;

namespace {

const Color kAccent = Color::rgba(4 / 255.0, 199 / 255.0, 190 / 255.0);
const std::string kLongTitle = "A title far too long for any phone screen to show on one line";

class DynamicNavigationBarTest : public testing::Test {
  protected:
    void SetUp() override { foundation::MainQueue::main().reset(); }

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

TEST_F(DynamicNavigationBarTest, CancelButtonIsItsTextPlusTenWideAndCentred21PointsAboveTheBottom) {
    auto bar = DynamicNavigationBar::initWithTitleAccentLeftTitle(
        "New Setup", kAccent, "Cancel", "dismissVC", "Done", "saveChanges");
    place(bar);
    auto cancel = bar->leftTitleButton();
    ASSERT_TRUE(cancel && bar->rightTitleButton());

    EXPECT_EQ(bar->subviews().front(), bar->blurEffectView()) << "the blur is the rearmost";
    EXPECT_EQ(bar->blurEffectView()->frame(), Rect(0, 0, 390, 91.5));
    EXPECT_EQ(bar->lineView()->frame(), Rect(0, 91.5, 390, 0.5));
    // "Cancel" in the 17-point system font is about 55 points wide; the 25-point button is
    // centred on the line 21 points above the bar's bottom, so it starts at 92 - 21 - 12.5.
    double text = kit::TextLayout("Cancel", kit::Font::systemFontOfSize(17)).size().width;
    EXPECT_NEAR(text, 55, 0.5);
    EXPECT_EQ(cancel->frame(), Rect(10, 58.5, text + 10, 25));
    EXPECT_DOUBLE_EQ(bar->rightTitleButton()->frame().maxX(), 380);
    EXPECT_EQ(bar->titleLabel()->center(), (kit::Point{195, 71}));

    screen.touch(TouchPhase::began, centreOf(*cancel));
    EXPECT_EQ(cancel->currentTitleColor(), kAccent.withAlpha(0.5)) << "half opacity while held";
    screen.touch(TouchPhase::moved, {200, 500});
    screen.touch(TouchPhase::ended, {200, 500});
    EXPECT_EQ(cancel->currentTitleColor(), kAccent);
}

TEST_F(DynamicNavigationBarTest, ButtonActionsReachWhoeverDefinesThemAndOthersAreDropped) {
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

    screen.tap(centreOf(*bar->rightTitleButton()));
    EXPECT_EQ(screen.controller->performed.size(), 1u);
    EXPECT_TRUE(screen.application->performed.empty());
}

TEST_F(DynamicNavigationBarTest, IconButtonDimsWhilePressedAndRecoversAfterDraggingOff) {
    auto bar = DynamicNavigationBar::initWithTitleAccentBackIcon("Files", kAccent, "chevron.left",
                                                                 "goBack");
    place(bar);
    auto back = bar->leftIconButton();
    EXPECT_EQ(back->frame(), Rect(10, 58.5, 25, 25));
    EXPECT_EQ(back->icon()->tintColor(), kAccent);
    screen.controller->define("goBack");
    auto& queue = foundation::MainQueue::main();

    screen.touch(TouchPhase::began, centreOf(*back));
    EXPECT_EQ(back->alpha(), 0.5);
    queue.advance(0.05);
    EXPECT_GT(back->presentationAlpha(), 0.5) << "dimming takes 0.1 s";
    screen.touch(TouchPhase::moved, {300, 600});
    EXPECT_EQ(back->alpha(), 0.5) << "still held, even off the button";
    screen.touch(TouchPhase::ended, {300, 600});
    EXPECT_EQ(back->alpha(), 1);
    queue.advance(0.1);
    EXPECT_EQ(back->presentationAlpha(), 1);

    screen.touch(TouchPhase::began, centreOf(*back));
    screen.touch(TouchPhase::cancelled, centreOf(*back));
    EXPECT_EQ(back->alpha(), 1);
    EXPECT_TRUE(screen.controller->performed.empty());
    screen.tap(centreOf(*back));
    EXPECT_EQ(screen.controller->performed, std::vector<std::string>{"goBack"});
}

TEST_F(DynamicNavigationBarTest, TwoIconTitleStaysCentredAndClearOfBothIcons) {
    auto bar = DynamicNavigationBar::initWithTitleAccentLeftIcon(
        kLongTitle, kAccent, "xmark", "dismissVC", "not a symbol", "saveChanges");
    place(bar);
    auto right = bar->rightIconButton();

    EXPECT_EQ(right->frame(), Rect(352, 57, 28, 28));
    EXPECT_EQ(right->icon()->frame(), Rect(1.5, 1.5, 25, 25));
    EXPECT_FALSE(right->icon()->image()) << "an unknown symbol leaves the icon empty";
    // 25 clear of the right icon at 352, centred on 195: 28 clear of the left icon at 35.
    EXPECT_EQ(bar->titleLabel()->frame().minX(), 63);
    EXPECT_EQ(bar->titleLabel()->frame().maxX(), 327);
    EXPECT_TRUE(log.lines().empty()) << "no constraint was dropped as a conflict";
}

TEST_F(DynamicNavigationBarTest, OnlyTheRightTitleVariantLimitsALongTitle) {
    auto limited =
        DynamicNavigationBar::initWithTitleAccentRightTitle(kLongTitle, kAccent, "Add", "addFiles");
    place(limited);
    auto title = limited->titleLabel();
    EXPECT_DOUBLE_EQ(title->frame().maxX(), limited->rightTitleButton()->frame().minX() - 25);
    EXPECT_DOUBLE_EQ(title->frame().midX(), 195);
    kit::TextLayout shown(title->text(), title->font(),
                          title->layoutOptions(title->frame().width()));
    EXPECT_TRUE(shown.isTruncated());

    auto free = DynamicNavigationBar::initWithTitleAccentLeftTitle(kLongTitle, kAccent, "Cancel",
                                                                   "dismissVC");
    place(free);
    EXPECT_GT(free->titleLabel()->frame().width(), 390) << "it may run under the buttons";
}

}  // namespace

}  // namespace kelvora
