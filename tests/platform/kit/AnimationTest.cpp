#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/PropertyAnimator.h"
#include "platform/kit/View.h"

using foundation::MainQueue;
using kit::AnimatedProperty;
using kit::Rect;
using kit::View;

namespace {

class AnimationTest : public testing::Test {
  protected:
    void SetUp() override { queue.reset(); }
    void TearDown() override { queue.reset(); }

    std::optional<kit::ViewAnimation> running(AnimatedProperty property) const {
        for (const auto& animation : view->runningAnimations()) {
            if (animation.property == property) {
                return animation;
            }
        }
        return std::nullopt;
    }

    MainQueue& queue = MainQueue::main();
    std::shared_ptr<View> view = std::make_shared<View>(Rect{0, 0, 100, 100});
    std::vector<bool> completions;
};

TEST_F(AnimationTest, TheModelChangesAtOnceAndCompletionWaitsForDelayAndDuration) {
    queue.advance(1);
    View::animate(
        0.2, 0.3, [&] { view->setAlpha(0.5); },
        [&](bool finished) { completions.push_back(finished); });
    EXPECT_EQ(view->alpha(), 0.5);
    queue.advance(0.3);
    EXPECT_EQ(view->presentationAlpha(), 1) << "the delay postpones the movement";
    queue.advance(0.1999);
    EXPECT_TRUE(completions.empty());
    queue.advance(0.0001);
    EXPECT_EQ(completions, std::vector<bool>{true});

    // With no duration it still completes on the next turn, not during the call.
    View::animate(
        0, [&] { view->setAlpha(1); }, [&](bool) { completions.push_back(true); });
    EXPECT_EQ(completions.size(), 1u);
    queue.runDue();
    EXPECT_EQ(completions.size(), 2u);
}

TEST_F(AnimationTest, TheScreenShowsTheValuesInBetweenAlongTheCurve) {
    View::animate(1, [&] { view->setAlpha(0); });
    queue.advance(0.5);
    EXPECT_DOUBLE_EQ(view->presentationAlpha(), 0.5);  // half way, by symmetry of the curve
    queue.advance(0.5);
    EXPECT_EQ(view->presentationAlpha(), 0);
    EXPECT_TRUE(view->runningAnimations().empty());

    // An ease-out animation covers three quarters of the way in the first half of its time.
    View::animate(1, 0, kit::AnimationCurve::easeOut, [&] { view->setAlpha(1); });
    queue.advance(0.5);
    EXPECT_DOUBLE_EQ(view->presentationAlpha(), 0.75);
}

TEST_F(AnimationTest, ANewAnimationTakesOverFromTheScreenAndADirectSetShowsAtOnce) {
    View::animate(1, [&] { view->setAlpha(0); });
    queue.advance(0.5);
    View::animate(1, [&] { view->setAlpha(1); });
    EXPECT_DOUBLE_EQ(view->presentationAlpha(), 0.5) << "it starts from what is shown";
    queue.advance(0.5);
    EXPECT_GT(view->presentationAlpha(), 0.5);

    view->setAlpha(0.2);
    EXPECT_EQ(view->presentationAlpha(), 0.2);
    EXPECT_FALSE(running(AnimatedProperty::alpha).has_value());
    View::animate(1, [&] {
        View::performWithoutAnimation(
            [&] { view->setTransform(kit::AffineTransform::scale(2, 2)); });
    });
    EXPECT_EQ(view->presentationTransform(), kit::AffineTransform::scale(2, 2));
}

TEST_F(AnimationTest, LayoutInsideAnAnimationMovesFramesSmoothly) {
    auto root = std::make_shared<View>(Rect{0, 0, 390, 844});
    root->addSubview(view);
    view->setTranslatesAutoresizingMaskIntoConstraints(false);
    auto top = view->topAnchor().constraintEqualToAnchor(root->topAnchor(), 0);
    kit::LayoutConstraint::activateConstraints(
        {top, view->heightAnchor().constraintEqualToConstant(100)});
    root->layoutIfNeeded();

    top->setConstant(200);
    View::animate(0.4, [&] { root->layoutIfNeeded(); });

    EXPECT_EQ(view->frame().minY(), 200);
    EXPECT_EQ(view->presentationFrame().minY(), 0);
    queue.advance(0.2);
    EXPECT_DOUBLE_EQ(view->presentationFrame().minY(), 100);
}

// What a cross-dissolve draws, from a picture taken before the changes, is the renderer's
// test; here, that it completes on the clock and lets the picture go.
TEST_F(AnimationTest, ACrossDissolveCompletesOnTheClockAndThenLetsItsPictureGo) {
    auto previous = kit::ContentsSnapshot::setCapturer(
        [](const View&) { return std::make_shared<kit::ContentsSnapshot>(); });
    View::transition(
        view, 0.3, kit::TransitionOption::crossDissolve, [&] { view->setAlpha(0.4); },
        [&](bool finished) { completions.push_back(finished); });
    kit::ContentsSnapshot::setCapturer(std::move(previous));
    auto contents = running(AnimatedProperty::contents);
    ASSERT_TRUE(contents.has_value());
    std::weak_ptr<const kit::ContentsSnapshot> kept = contents->snapshot;
    contents.reset();

    queue.advance(0.3);
    EXPECT_EQ(completions, std::vector<bool>{true});
    EXPECT_TRUE(kept.expired());
}

TEST_F(AnimationTest, SpringAnimatorKeepsItselfAliveAndCompletesOnce) {
    std::vector<kit::AnimatingPosition> positions;
    {
        auto animator =
            std::make_shared<kit::PropertyAnimator>(1.0, 2.0, [&] { view->setAlpha(0.25); });
        animator->addCompletion([&](kit::AnimatingPosition at) { positions.push_back(at); });
        animator->startAnimation();
        animator->startAnimation();
    }
    auto alpha = running(AnimatedProperty::alpha);
    ASSERT_TRUE(alpha.has_value());
    EXPECT_EQ(alpha->curve, kit::AnimationCurve::spring);

    queue.advance(1);
    EXPECT_EQ(positions, std::vector<kit::AnimatingPosition>{kit::AnimatingPosition::end})
        << "the animator outlives its last owner while it runs, and completes once";
    EXPECT_EQ(view->presentationAlpha(), 0.25);
}

}  // namespace
