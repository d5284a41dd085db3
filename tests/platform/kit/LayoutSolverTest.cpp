#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/View.h"
#include "tests/support/LogCapture.h"

using kit::LayoutConstraint;
using kit::Rect;
using kit::Size;
using kit::View;

namespace {

// A view with a fixed content size, like an image or a one-line label.
struct SizedView final : View {
    explicit SizedView(Size size) : size(size) {}
    Size intrinsicContentSize() const override { return size; }
    void resize(Size to) {
        size = to;
        invalidateIntrinsicContentSize();
    }
    Size size;
};

// Text that wraps: ten points per character, twenty per line, as wide as it is given.
struct WrappingView final : View {
    explicit WrappingView(int characters) : characters(characters) {}
    Size intrinsicContentSize() const override { return {characters * 10.0, 20}; }
    std::optional<double> heightForWidth(double width) const override {
        measuredAt = width;
        int perLine = std::max(1, static_cast<int>(width / 10));
        return 20.0 * ((characters + perLine - 1) / perLine);
    }
    int characters;
    mutable double measuredAt = -1;
};

class LayoutSolverTest : public testing::Test {
  protected:
    void SetUp() override { foundation::MainQueue::main().reset(); }

    template <class T = View, class... Args>
    static std::shared_ptr<T> addTo(const std::shared_ptr<View>& parent, Args&&... args) {
        auto view = std::make_shared<T>(std::forward<Args>(args)...);
        parent->addSubview(view);
        view->setTranslatesAutoresizingMaskIntoConstraints(false);
        return view;
    }

    static void activate(std::initializer_list<std::shared_ptr<LayoutConstraint>> list) {
        LayoutConstraint::activateConstraints(list);
    }

    static bool anyConstraintMentions(const View& holder, const View& view) {
        const auto& held = holder.constraints();
        return std::any_of(held.begin(), held.end(),
                           [&](const auto& constraint) { return constraint->mentions(view); });
    }

    std::shared_ptr<View> root = std::make_shared<View>(Rect{0, 0, 390, 844});
    testsupport::LogCapture log;
};

TEST_F(LayoutSolverTest, ChainedAnchorsStackViewsAndOpenSidesKeepTheirFrame) {
    auto a = addTo(root);
    auto b = addTo(root);
    auto c = addTo(root);
    c->setFrame({7, 0, 33, 0});
    activate({a->topAnchor().constraintEqualToAnchor(root->topAnchor(), 10),
              a->heightAnchor().constraintEqualToConstant(30),
              a->leadingAnchor().constraintEqualToAnchor(root->leadingAnchor(), 20),
              a->trailingAnchor().constraintEqualToAnchor(root->trailingAnchor(), -20),
              b->topAnchor().constraintEqualToAnchor(a->bottomAnchor(), 5),
              b->heightAnchor().constraintEqualToAnchor(a->heightAnchor()),
              b->leadingAnchor().constraintEqualToAnchor(a->leadingAnchor()),
              b->widthAnchor().constraintEqualToAnchor(a->widthAnchor(), -50),
              c->topAnchor().constraintEqualToAnchor(b->bottomAnchor(), 5),
              c->bottomAnchor().constraintEqualToAnchor(root->bottomAnchor(), -10)});
    root->layoutIfNeeded();

    EXPECT_EQ(a->frame(), Rect(20, 10, 350, 30));
    EXPECT_EQ(b->frame(), Rect(20, 45, 300, 30));
    // c has no horizontal constraint: it keeps its x and width.
    EXPECT_EQ(c->frame(), Rect(7, 80, 33, 754));
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(LayoutSolverTest, ProgressPanelWithWrappedMessageAndCaptionMatchesHandLayout) {
    // A 120-high panel centred on the screen and 40 in from each side, a message 10 above its
    // bottom, a caption centred 8 below it, and an image whose height comes from its content.
    auto panel = addTo(root);
    auto message = addTo<WrappingView>(panel, 40);
    auto caption = addTo<SizedView>(root, Size{80, 20});
    auto image = addTo<SizedView>(root, Size{80, 20});
    activate({panel->heightAnchor().constraintEqualToConstant(120),
              panel->centerXAnchor().constraintEqualToAnchor(root->centerXAnchor()),
              panel->centerYAnchor().constraintEqualToAnchor(root->centerYAnchor()),
              panel->leadingAnchor().constraintEqualToAnchor(root->leadingAnchor(), 40),
              panel->trailingAnchor().constraintEqualToAnchor(root->trailingAnchor(), -40),
              message->centerXAnchor().constraintEqualToAnchor(panel->centerXAnchor()),
              message->bottomAnchor().constraintEqualToAnchor(panel->bottomAnchor(), -10),
              message->leadingAnchor().constraintEqualToAnchor(panel->leadingAnchor(), 20),
              message->trailingAnchor().constraintEqualToAnchor(panel->trailingAnchor(), -20),
              caption->topAnchor().constraintEqualToAnchor(panel->bottomAnchor(), 8),
              caption->centerXAnchor().constraintEqualToAnchor(panel->centerXAnchor()),
              image->topAnchor().constraintEqualToAnchor(root->topAnchor()),
              image->widthAnchor().constraintEqualToConstant(200)});
    root->layoutIfNeeded();

    EXPECT_EQ(panel->frame(), Rect(40, 362, 310, 120));
    // 40 characters at 27 per line of 270 points: two lines, measured at the real width.
    EXPECT_EQ(message->measuredAt, 270);
    EXPECT_EQ(message->frame(), Rect(20, 70, 270, 40));
    EXPECT_EQ(caption->frame(), Rect(155, 490, 80, 20));
    // Content size fills only what the constraints leave open, and follows its changes.
    EXPECT_EQ(image->frame(), Rect(0, 0, 200, 20));
    image->resize({80, 64});
    root->layoutIfNeeded();
    EXPECT_EQ(image->frame(), Rect(0, 0, 200, 64));
    // Centring a view pinned on both sides says nothing new: no conflict is reported.
    EXPECT_TRUE(log.lines().empty());
}

// What cannot hold is dropped and logged once: a contradiction, a value that is not a
// number, a dimension equated across axes; against what came first or a frame set in code.
TEST_F(LayoutSolverTest, ConstraintsThatCannotHoldAreDroppedFirstComeFirstServedAndLoggedOnce) {
    auto box = addTo(root);
    box->setFrame({1, 2, 3, 4});
    auto first = box->heightAnchor().constraintEqualToConstant(100);
    activate({first});
    auto dropped = {box->heightAnchor().constraintEqualToConstant(200),
                    box->widthAnchor().constraintEqualToConstant(std::nan("")),
                    box->widthAnchor().constraintEqualToAnchor(box->heightAnchor())};
    activate(dropped);
    // The width is held by the pinned view itself and activated first; the later pins are
    // held by the root, which the solver meets first when it walks the hierarchy.
    auto pinned = addTo(root);
    activate({pinned->widthAnchor().constraintEqualToConstant(50)});
    auto trailing = pinned->trailingAnchor().constraintEqualToAnchor(root->trailingAnchor());
    activate(
        {pinned->leadingAnchor().constraintEqualToAnchor(root->leadingAnchor(), 10), trailing});
    auto placed = std::make_shared<View>(Rect{10, 20, 30, 40});
    root->addSubview(placed);
    auto follower = addTo(root);
    auto fight = placed->widthAnchor().constraintEqualToConstant(99);
    activate({fight, follower->leadingAnchor().constraintEqualToAnchor(placed->trailingAnchor()),
              follower->topAnchor().constraintEqualToAnchor(placed->bottomAnchor(), 1)});
    root->layoutIfNeeded();

    EXPECT_EQ(box->frame(), Rect(1, 2, 3, 100));
    EXPECT_FALSE(first->wasDropped());
    for (const auto& constraint : dropped) {
        EXPECT_TRUE(constraint->wasDropped());
    }
    EXPECT_EQ(pinned->frame().minX(), 10);
    EXPECT_EQ(pinned->frame().width(), 50);
    EXPECT_TRUE(trailing->wasDropped());
    EXPECT_EQ(placed->frame(), Rect(10, 20, 30, 40));
    EXPECT_TRUE(fight->wasDropped());
    EXPECT_EQ(follower->frame().origin, (kit::Point{40, 61}));
    ASSERT_EQ(log.lines().size(), 5u);
    EXPECT_TRUE(std::any_of(log.lines().begin(), log.lines().end(), [](const auto& line) {
        return line.find("height = 200") != std::string::npos;
    })) << "the line names the constraint";
    root->setNeedsLayout();
    root->layoutIfNeeded();
    EXPECT_EQ(log.lines().size(), 5u) << "later passes do not repeat the lines";
}

TEST_F(LayoutSolverTest, ConstraintsLiveWithTheNearestCommonAncestorAndLeaveWithTheirViews) {
    auto container = addTo(root);
    auto child = addTo(container);
    auto sibling = addTo(root);
    activate({sibling->topAnchor().constraintEqualToAnchor(child->bottomAnchor()),
              child->topAnchor().constraintEqualToAnchor(container->topAnchor()),
              child->widthAnchor().constraintEqualToConstant(12),
              sibling->heightAnchor().constraintEqualToConstant(8),
              container->topAnchor().constraintEqualToAnchor(root->topAnchor(), 10)});
    auto apart =
        container->topAnchor().constraintEqualToAnchor(std::make_shared<View>()->topAnchor());
    apart->setActive(true);
    EXPECT_FALSE(apart->isActive()) << "views with no common ancestor cannot be related";
    root->layoutIfNeeded();

    container->removeFromSuperview();
    EXPECT_FALSE(anyConstraintMentions(*root, *container));
    EXPECT_FALSE(anyConstraintMentions(*root, *child));
    // What lies wholly inside the removed subtree, and what does not touch it, stays with
    // the nearest view holding all it mentions.
    EXPECT_EQ(child->constraints().size(), 1u);
    EXPECT_EQ(container->constraints().size(), 1u);
    EXPECT_EQ(sibling->constraints().size(), 1u);
    root->layoutIfNeeded();
    EXPECT_EQ(log.lines().size(), 1u) << "only the refused constraint is reported";
}

TEST_F(LayoutSolverTest, ChangesMoveTheViewOnTheNextPassAndOnlyResizedViewsLayOutAgain) {
    struct Counting final : View {
        void layoutSubviews() override { ++runs; }
        int runs = 0;
    };
    auto box = addTo<Counting>(root);
    auto top = box->topAnchor().constraintEqualToAnchor(root->topAnchor(), 10);
    auto height = box->heightAnchor().constraintEqualToConstant(10);
    activate({top, height});
    root->layoutIfNeeded();
    ASSERT_EQ(box->frame().minY(), 10);
    int afterFirst = box->runs;
    root->layoutIfNeeded();
    EXPECT_EQ(box->runs, afterFirst);  // nothing changed, nothing to do

    top->setConstant(25);
    height->setConstant(20);
    root->layoutIfNeeded();
    EXPECT_EQ(box->frame(), Rect(0, 25, 0, 20));
    EXPECT_EQ(box->runs, afterFirst + 1);

    top->setActive(false);
    EXPECT_TRUE(box->needsLayout() || root->needsLayout());
    root->layoutIfNeeded();
    EXPECT_EQ(box->frame().minY(), 25);  // now open, it keeps where it was
}

TEST_F(LayoutSolverTest, ScrollViewEdgesMeanItsContentSoTheLastViewSetsTheContentHeight) {
    auto scroll = addTo<kit::ScrollView>(root);
    auto first = addTo(scroll);
    auto last = addTo(scroll);
    scroll->setContentOffset({0, 200});
    activate({
        scroll->topAnchor().constraintEqualToAnchor(root->topAnchor()),
        scroll->leadingAnchor().constraintEqualToAnchor(root->leadingAnchor()),
        scroll->widthAnchor().constraintEqualToAnchor(root->widthAnchor()),
        scroll->heightAnchor().constraintEqualToAnchor(root->heightAnchor()),
        first->topAnchor().constraintEqualToAnchor(scroll->topAnchor(), 100),
        first->heightAnchor().constraintEqualToConstant(300),
        // Width and centre of a scroll view mean its frame.
        first->widthAnchor().constraintEqualToAnchor(scroll->widthAnchor(), -20),
        first->centerXAnchor().constraintEqualToAnchor(scroll->centerXAnchor()),
        last->topAnchor().constraintEqualToAnchor(first->bottomAnchor(), 20),
        last->heightAnchor().constraintEqualToConstant(500),
        last->bottomAnchor().constraintEqualToAnchor(scroll->bottomAnchor()),
    });
    root->layoutIfNeeded();

    EXPECT_EQ(scroll->contentSize().height, 920);
    EXPECT_EQ(first->frame(), Rect(10, 100, 370, 300));
    EXPECT_EQ(last->frame().minY(), 420);
    EXPECT_EQ(scroll->contentOffset().y, 200) << "laying out keeps the offset";
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(LayoutSolverTest, ContentSizeTheConstraintsLeaveOpenIsKept) {
    auto scroll = addTo<kit::ScrollView>(root);
    auto row = addTo(scroll);
    scroll->setContentSize({390, 1500});
    activate({scroll->widthAnchor().constraintEqualToConstant(390),
              scroll->heightAnchor().constraintEqualToConstant(400),
              row->topAnchor().constraintEqualToAnchor(scroll->topAnchor(), 10),
              row->leadingAnchor().constraintEqualToAnchor(scroll->leadingAnchor(), 20),
              row->widthAnchor().constraintEqualToConstant(100),
              row->heightAnchor().constraintEqualToConstant(50)});
    root->layoutIfNeeded();

    // Nothing pins the content's far edges: the size set in code still holds.
    EXPECT_EQ(scroll->contentSize(), (Size{390, 1500}));
    EXPECT_EQ(row->frame(), Rect(20, 10, 100, 50));
    EXPECT_TRUE(log.lines().empty());
}

}  // namespace
