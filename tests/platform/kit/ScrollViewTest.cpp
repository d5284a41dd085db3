#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/Window.h"

using kit::Point;
using kit::Rect;
using kit::ScrollView;
using kit::TouchPhase;

namespace {

class OffsetRecorder final : public kit::ScrollViewDelegate {
  public:
    void scrollViewDidScroll(ScrollView& scrollView) override {
        offsets.push_back(scrollView.contentOffset());
    }
    std::vector<Point> offsets;
};

class ScrollViewTest : public testing::Test {
  protected:
    void SetUp() override {
        foundation::MainQueue::main().reset();
        window->setRootView(root);
        window->makeKeyAndVisible();
        root->addSubview(scroll);
        scroll->addSubview(label);
        scroll->setContentSize({390, 2000});
        scroll->setDelegate(recorder);
        scroll->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
    }

    void drag(Point from, Point to) {
        window->sendTouch(TouchPhase::began, from);
        window->sendTouch(TouchPhase::moved, to);
    }

    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>();
    std::shared_ptr<kit::View> root = std::make_shared<kit::View>();
    std::shared_ptr<ScrollView> scroll = std::make_shared<ScrollView>(Rect{0, 0, 390, 844});
    std::shared_ptr<kit::View> label = std::make_shared<kit::View>(Rect{0, 0, 390, 2000});
    std::shared_ptr<OffsetRecorder> recorder = std::make_shared<OffsetRecorder>();
};

TEST_F(ScrollViewTest, DraggingMovesContentWithTheFingerBouncesBackAndTellsOnlyOfChanges) {
    scroll->setContentOffset({0, 100});
    scroll->setContentOffset({0, 100});
    scroll->setContentOffset({0, 0}, true);
    drag({100, 500}, {100, 380});  // over the label, which passes touches up
    EXPECT_TRUE(scroll->isDragging());
    window->sendTouch(TouchPhase::ended, {100, 380});
    EXPECT_FALSE(scroll->isDragging());
    EXPECT_EQ(recorder->offsets, (std::vector<Point>{{0, 100}, {0, 0}, {0, 120}}));

    // Pulled past its top, the content slides back when released; without bounces it stops.
    drag({100, 100}, {100, 470});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, -250}));
    window->sendTouch(TouchPhase::ended, {100, 470});
    EXPECT_EQ(recorder->offsets.back(), (Point{0, 0}));
    EXPECT_FALSE(scroll->runningAnimations().empty());
    scroll->setBounces(false);
    drag({100, 100}, {100, 350});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, 0}));
    window->sendTouch(TouchPhase::ended, {100, 350});

    recorder->offsets.clear();
    scroll->setScrollEnabled(false);
    drag({100, 500}, {100, 100});
    scroll->scrollBy({0, 300});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, 0}));
    EXPECT_TRUE(recorder->offsets.empty());
    recorder.reset();
    scroll->setScrollEnabled(true);
    scroll->setContentOffset({0, 10});  // a delegate that has gone is simply not told
}

TEST_F(ScrollViewTest, TheWheelGoesToTheNearestViewThatScrolls) {
    auto grid = std::make_shared<ScrollView>(Rect{0, 100, 390, 300});
    auto cell = std::make_shared<kit::View>(Rect{0, 0, 50, 50});
    scroll->addSubview(grid);
    grid->addSubview(cell);
    grid->setContentSize({390, 900});
    grid->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
    EXPECT_EQ(ScrollView::wheelTarget(cell), grid);

    grid->setScrollEnabled(false);
    EXPECT_EQ(ScrollView::wheelTarget(cell), scroll);
    grid->setScrollEnabled(true);
    grid->setContentSize({390, 300});
    EXPECT_EQ(ScrollView::wheelTarget(cell), scroll) << "its content fits";
    scroll->setContentSize({390, 844});
    EXPECT_EQ(ScrollView::wheelTarget(cell), nullptr);
}

TEST_F(ScrollViewTest, RestingRangeAllowsForInsetsTheSafeAreaAndContentSize) {
    scroll->setContentInset({56, 0, 70, 0});
    scroll->scrollBy({0, 10000});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, 2000 + 70 - 844}));
    scroll->scrollBy({0, -10000});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, -56}));

    // Content shorter than the view cannot scroll down at all.
    scroll->setContentSize({390, 100});
    scroll->scrollBy({0, 500});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, -56}));

    // Automatic adjustment adds the safe area to the insets.
    scroll->setContentInset({10, 0, 10, 0});
    scroll->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::automatic);
    EXPECT_EQ(scroll->adjustedContentInset(), (kit::EdgeInsets{57, 0, 44, 0}));
    scroll->setScrollEnabled(false);
    EXPECT_EQ(scroll->adjustedContentInset(), (kit::EdgeInsets{10, 0, 10, 0}))
        << "a list that does not scroll keeps its content where its holder puts it";
}

}  // namespace

// The indicator runs between its insets, its length the visible share of the content, and
// shows only around the user's own scrolling.
TEST_F(ScrollViewTest, TheIndicatorRunsWithinItsInsetsAndShowsOnlyAroundScrolling) {
    scroll->setContentInset({56, 0, 70, 0});
    scroll->setScrollIndicatorInsets({56, 0, 70, 0});
    auto& queue = foundation::MainQueue::main();
    EXPECT_EQ(scroll->indicatorAlpha(queue.now()), 0) << "a list that was only laid out";

    auto top = scroll->verticalIndicatorFrame(scroll->minimumContentOffset());
    auto bottom = scroll->verticalIndicatorFrame(scroll->maximumContentOffset());
    ASSERT_TRUE(top && bottom);
    EXPECT_DOUBLE_EQ(top->minY(), 56 + 3);
    EXPECT_DOUBLE_EQ(bottom->maxY(), 844 - 70 - 3);
    EXPECT_DOUBLE_EQ(top->maxX(), 390 - 3);
    // 844 of the 2126 points of content and insets are visible.
    EXPECT_NEAR(top->height(), (844 - 56 - 70 - 6) * 844.0 / 2126, 1e-9);

    drag({200, 600}, {200, 500});
    queue.advance(10);
    EXPECT_EQ(scroll->indicatorAlpha(queue.now()), 1) << "still held by the finger";
    window->sendTouch(TouchPhase::ended, {200, 500});
    queue.advance(1);
    EXPECT_EQ(scroll->indicatorAlpha(queue.now()), 0) << "it fades once let go";

    scroll->setShowsVerticalScrollIndicator(false);
    EXPECT_FALSE(scroll->verticalIndicatorFrame(scroll->contentOffset()));
    scroll->setShowsVerticalScrollIndicator(true);
    scroll->setContentSize({390, 600});
    EXPECT_FALSE(scroll->verticalIndicatorFrame(scroll->contentOffset())) << "it all fits";
}
