#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/kit/View.h"
#include "platform/kit/Window.h"

using kit::Point;
using kit::Rect;
using kit::Touch;
using kit::TouchPhase;
using kit::View;

namespace {

class RecordingView final : public View {
  public:
    explicit RecordingView(Rect frame) : View(frame) {}
    void touchesBegan(const Touch& touch) override { record(touch); }
    void touchesMoved(const Touch& touch) override { record(touch); }
    void touchesEnded(const Touch& touch) override { record(touch); }
    void touchesCancelled(const Touch& touch) override { record(touch); }

    std::vector<TouchPhase> phases;
    std::vector<Point> locations;

  private:
    void record(const Touch& touch) {
        phases.push_back(touch.phase);
        locations.push_back(touch.locationIn(*this));
    }
};

class HitTestingTest : public testing::Test {
  protected:
    void SetUp() override {
        window->setRootView(root);
        window->makeKeyAndVisible();
        root->addSubview(back);
        root->addSubview(front);
    }

    std::shared_ptr<View> hitAt(Point point) { return window->hitTest(point); }

    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>();
    std::shared_ptr<View> root = std::make_shared<View>();
    std::shared_ptr<RecordingView> back = std::make_shared<RecordingView>(Rect{0, 100, 200, 200});
    std::shared_ptr<RecordingView> front = std::make_shared<RecordingView>(Rect{50, 150, 100, 100});
};

TEST_F(HitTestingTest, TheFrontmostViewShownWhereItIsDrawnInsideItsSuperviewThatTakesTouchesIsHit) {
    Point inBoth{100, 200};
    EXPECT_EQ(hitAt(inBoth), front);
    EXPECT_EQ(hitAt({10, 110}), back);
    EXPECT_EQ(hitAt({300, 700}), root);

    front->setHidden(true);
    EXPECT_EQ(hitAt(inBoth), back);
    front->setHidden(false);

    front->setAlpha(0.009);
    EXPECT_EQ(hitAt(inBoth), back);
    front->setAlpha(0.02);
    EXPECT_EQ(hitAt(inBoth), front);

    // A view that takes no touches hides its subviews from touches too.
    auto child = std::make_shared<View>(Rect{0, 0, 100, 100});
    front->addSubview(child);
    EXPECT_EQ(hitAt(inBoth), child);
    front->setUserInteractionEnabled(false);
    EXPECT_EQ(hitAt(inBoth), back);

    // Parts of subviews outside their superview are not hit.
    front->setUserInteractionEnabled(true);
    auto overhang = std::make_shared<View>(Rect{80, 80, 100, 100});
    front->addSubview(overhang);
    EXPECT_EQ(hitAt({140, 240}), overhang);
    EXPECT_EQ(hitAt({190, 290}), back);

    // A scaled view is hit where it is shown (scrolled content is, on the driver's roads
    // through scrolled lists).
    auto dot = std::make_shared<View>(Rect{45, 45, 10, 10});
    front->addSubview(dot);
    // The dot spans 95...105 x 195...205 in window points; doubled, 90...110 x 190...210.
    EXPECT_NE(hitAt({107, 208}), dot);
    dot->setTransform(kit::AffineTransform::scale(2, 2));
    EXPECT_EQ(hitAt({107, 208}), dot);
    EXPECT_EQ(dot->convertToWindow({0, 0}), (Point{90, 190}));
}

TEST_F(HitTestingTest, EveryPhaseOfATouchGoesToTheViewItBeganOnUntilANewTouchCancelsIt) {
    window->sendTouch(TouchPhase::began, {100, 200});
    window->sendTouch(TouchPhase::moved, {10, 110});  // over back now
    window->sendTouch(TouchPhase::ended, {10, 110});

    EXPECT_EQ(front->phases,
              (std::vector<TouchPhase>{TouchPhase::began, TouchPhase::moved, TouchPhase::ended}));
    EXPECT_TRUE(back->phases.empty());
    // Locations are given in the receiver's own coordinates, even outside it.
    EXPECT_EQ(front->locations.front(), (Point{50, 50}));
    EXPECT_EQ(front->locations.back(), (Point{-40, -40}));

    // After the end, moves of no touch reach no one.
    EXPECT_EQ(window->sendTouch(TouchPhase::moved, {100, 200}), nullptr);

    // A new touch while one is still down cancels the first.
    window->sendTouch(TouchPhase::began, {100, 200});
    window->sendTouch(TouchPhase::began, {10, 110});
    EXPECT_EQ(front->phases.back(), TouchPhase::cancelled);
    EXPECT_EQ(back->phases, std::vector<TouchPhase>{TouchPhase::began});
    window->sendTouch(TouchPhase::ended, {10, 110});

    // A hidden window takes no touches; content taking none leaves them to the window.
    auto hidden = std::make_shared<kit::Window>();
    auto content = std::make_shared<RecordingView>(Rect{0, 0, 390, 844});
    hidden->setRootView(content);
    EXPECT_EQ(hidden->sendTouch(TouchPhase::began, {10, 10}), nullptr);
    EXPECT_TRUE(content->phases.empty());

    root->setUserInteractionEnabled(false);
    front->phases.clear();
    EXPECT_EQ(window->sendTouch(TouchPhase::began, {100, 200}), window);
    EXPECT_EQ(window->sendTouch(TouchPhase::ended, {100, 200}), window);
    EXPECT_TRUE(front->phases.empty());
}

}  // namespace
