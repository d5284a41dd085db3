#include "ui/extension.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/View.h"
#include "tests/support/LogCapture.h"
#include "tests/ui/GeometryPrinting.h"

using kit::Rect;
using kit::View;

namespace {

class ExtensionTest : public testing::Test {
  protected:
    std::shared_ptr<View> add(const std::shared_ptr<View>& parent) {
        auto view = std::make_shared<View>();
        parent->addSubview(view);
        return view;
    }

    static std::vector<std::string> described(const View& holder) {
        std::vector<std::string> lines;
        for (const auto& constraint : holder.constraints()) {
            lines.push_back(constraint->description());
        }
        return lines;
    }

    // Every active constraint anywhere in the hierarchy under `view`.
    static std::vector<std::shared_ptr<kit::LayoutConstraint>> allUnder(const View& view) {
        std::vector<std::shared_ptr<kit::LayoutConstraint>> all = view.constraints();
        for (const auto& subview : view.subviews()) {
            auto more = allUnder(*subview);
            all.insert(all.end(), more.begin(), more.end());
        }
        return all;
    }

    std::shared_ptr<View> root = std::make_shared<View>(Rect{0, 0, 390, 844});
    std::shared_ptr<View> container = add(root);
    std::shared_ptr<View> view = add(container);

    void SetUp() override { container->setFrame({20, 100, 300, 200}); }
};

TEST_F(ExtensionTest, SizeSkipsZeroComponentsWhileWidthAndHeightAlwaysConstrain) {
    extension::size(*view, {0, 50});
    EXPECT_EQ(described(*view), std::vector<std::string>{"height = 50"});

    auto empty = add(container);
    extension::size(*empty, {0, 0});
    EXPECT_TRUE(empty->constraints().empty());
    EXPECT_FALSE(empty->translatesAutoresizingMaskIntoConstraints())
        << "conversion is switched off even when nothing is pinned";

    auto zero = add(container);
    zero->setFrame({0, 0, 80, 40});
    extension::width(*zero, 0);
    extension::height(*zero, 0);
    EXPECT_EQ(described(*zero), (std::vector<std::string>{"width = 0", "height = 0"}));
    extension::top(*zero, container->topAnchor(), 0);
    extension::leading(*zero, container->leadingAnchor(), 0);
    root->layoutIfNeeded();
    EXPECT_EQ(zero->frame(), Rect(0, 0, 0, 0));
}

TEST_F(ExtensionTest, MissingAnchorsMakeNoConstraintButStillSwitchConversionOff) {
    extension::top(*view, std::nullopt, 12);
    extension::leading(*view, std::nullopt, 12);
    extension::trailing(*view, std::nullopt, -12);
    extension::bottom(*view, std::nullopt, -12);
    EXPECT_TRUE(allUnder(*root).empty());
    EXPECT_FALSE(view->translatesAutoresizingMaskIntoConstraints());

    auto other = add(container);
    extension::top(*other, std::nullopt, container->leadingAnchor(), container->bottomAnchor(),
                   std::nullopt, {1, 2, 3, 4});
    EXPECT_EQ(described(*container),
              (std::vector<std::string>{"leading = leading + 2", "bottom = bottom + 3"}));
}

TEST_F(ExtensionTest, EdgeInsetsFormPinsInItsOrderAndAddsEveryInsetAsGiven) {
    extension::top(*view, container->topAnchor(), container->leadingAnchor(),
                   container->bottomAnchor(), container->trailingAnchor(), {10, 20, 30, 40});
    EXPECT_EQ(described(*container),
              (std::vector<std::string>{"top = top + 10", "leading = leading + 20",
                                        "trailing = trailing + 40", "bottom = bottom + 30"}));

    // Positive right and bottom insets push those edges outside the container.
    root->layoutIfNeeded();
    EXPECT_EQ(view->frame(), Rect(20, 10, 320, 220));
}

TEST_F(ExtensionTest, NegativeTrailingAndBottomPaddingsKeepTheViewInside) {
    extension::top(*view, container->topAnchor(), 15);
    extension::leading(*view, container->leadingAnchor(), 20);
    extension::trailing(*view, container->trailingAnchor(), -10);
    extension::bottom(*view, container->bottomAnchor(), -25);
    root->layoutIfNeeded();

    EXPECT_EQ(view->frame(), Rect(20, 15, 270, 160));
    EXPECT_EQ(container->bounds().maxX() - view->frame().maxX(), 10);
    EXPECT_EQ(container->bounds().maxY() - view->frame().maxY(), 25);
}

TEST_F(ExtensionTest, CentreFormsPlaceTheCentreOnTheAnchorPlusPadding) {
    extension::size(*view, {40, 30});
    extension::x(*view, container->centerXAnchor(), container->centerYAnchor());

    auto shifted = add(container);
    extension::size(*shifted, {10, 10});
    extension::x(*shifted, container->centerXAnchor(), -50);
    extension::y(*shifted, container->bottomAnchor(), -5);

    auto lone = add(container);
    extension::size(*lone, {6, 6});
    extension::x(*lone, container->leadingAnchor());
    extension::y(*lone, container->topAnchor());
    root->layoutIfNeeded();

    EXPECT_EQ(view->frame(), Rect(130, 85, 40, 30));
    EXPECT_EQ(shifted->frame(), Rect(95, 190, 10, 10));
    EXPECT_EQ(lone->frame(), Rect(-3, -3, 6, 6));
}

TEST_F(ExtensionTest, FillCoversTheSuperviewAndFollowsItsSize) {
    extension::fill(*view);
    root->layoutIfNeeded();
    EXPECT_EQ(view->frame(), Rect(0, 0, 300, 200));

    container->setFrame({0, 0, 390, 844});
    root->layoutIfNeeded();
    EXPECT_EQ(view->frame(), Rect(0, 0, 390, 844));

    auto loose = std::make_shared<View>(Rect{1, 2, 3, 4});
    extension::fill(*loose);
    EXPECT_TRUE(loose->constraints().empty());
    loose->layoutIfNeeded();
    EXPECT_EQ(loose->frame(), Rect(1, 2, 3, 4)) << "a view without superview keeps its frame";
}

TEST_F(ExtensionTest, RemoveAllConstraintsLeavesNoneThatMentionTheViewAndFramesRuleAgain) {
    auto sibling = add(container);
    auto child = add(view);
    extension::top(*view, container->topAnchor(), 10);
    extension::leading(*view, root->leadingAnchor(), 30);  // held by the root, two levels up
    extension::size(*view, {100, 60});
    extension::top(*sibling, view->bottomAnchor(), 5);  // held by the container
    extension::leading(*sibling, container->leadingAnchor(), 0);
    extension::size(*sibling, {50, 20});
    extension::fill(*child);  // held by the view itself
    root->layoutIfNeeded();
    ASSERT_EQ(view->frame(), Rect(10, 10, 100, 60));

    extension::removeAllConstraints(*view);

    for (const auto& constraint : allUnder(*root)) {
        EXPECT_FALSE(constraint->mentions(*view)) << constraint->description();
    }
    EXPECT_TRUE(view->constraints().empty()) << "constraints among its subviews go too";
    EXPECT_EQ(described(*sibling), (std::vector<std::string>{"width = 50", "height = 20"}));
    EXPECT_EQ(described(*container), std::vector<std::string>{"leading = leading"});
    EXPECT_TRUE(view->translatesAutoresizingMaskIntoConstraints());

    view->setFrame({7, 8, 90, 40});
    root->layoutIfNeeded();
    EXPECT_EQ(view->frame(), Rect(7, 8, 90, 40));
}

TEST_F(ExtensionTest, PinningToAViewOfAnotherHierarchyIsLeftInactive) {
    testsupport::LogCapture log;
    auto stranger = std::make_shared<View>(Rect{0, 0, 50, 50});
    extension::top(*view, stranger->topAnchor(), 0);
    extension::x(*view, stranger->centerXAnchor(), stranger->centerYAnchor());
    EXPECT_TRUE(allUnder(*root).empty());
    EXPECT_TRUE(stranger->constraints().empty());
    EXPECT_EQ(log.lines().size(), 3u) << "each refused constraint is logged";
}

}  // namespace
