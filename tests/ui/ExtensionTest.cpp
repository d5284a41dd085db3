#include "ui/extension.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/View.h"

namespace kit {

// Lets failing frame checks print "(10, 58.5, 65, 25)" rather than raw bytes.
inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "(" << rect.minX() << ", " << rect.minY() << ", " << rect.width() << ", "
         << rect.height() << ")";
}

}  // namespace kit

namespace kelvora {

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

    std::shared_ptr<View> root = std::make_shared<View>(Rect{0, 0, 390, 844});
    std::shared_ptr<View> container = add(root);
    std::shared_ptr<View> view = add(container);

    void SetUp() override { container->setFrame({20, 100, 300, 200}); }
};

TEST_F(ExtensionTest, ZeroSizesAndMissingAnchorsMakeNoConstraintButSwitchConversionOff) {
    extension::size(*view, {0, 50});
    EXPECT_EQ(described(*view), std::vector<std::string>{"height = 50"});

    auto empty = add(container);
    extension::size(*empty, {0, 0});
    extension::top(*empty, std::nullopt, 12);
    extension::trailing(*empty, std::nullopt, -12);
    EXPECT_TRUE(empty->constraints().empty());
    EXPECT_TRUE(container->constraints().empty());
    EXPECT_FALSE(empty->translatesAutoresizingMaskIntoConstraints());

    extension::top(*empty, std::nullopt, container->leadingAnchor(), container->bottomAnchor(),
                   std::nullopt, {1, 2, 3, 4});
    EXPECT_EQ(described(*container),
              (std::vector<std::string>{"leading = leading + 2", "bottom = bottom + 3"}));

    auto loose = std::make_shared<View>();
    extension::fill(*loose);
    EXPECT_TRUE(loose->constraints().empty()) << "nothing to fill without a superview";
}

// The edge-insets form adds every inset as given, so positive right and bottom insets push
// those edges outside; the one-edge forms take negative trailing and bottom paddings inward.
TEST_F(ExtensionTest, EdgeInsetsAddAsGivenAndPaddingsKeepTheViewInside) {
    extension::top(*view, container->topAnchor(), container->leadingAnchor(),
                   container->bottomAnchor(), container->trailingAnchor(), {10, 20, 30, 40});
    auto inner = add(container);
    extension::top(*inner, container->topAnchor(), 15);
    extension::leading(*inner, container->leadingAnchor(), 20);
    extension::trailing(*inner, container->trailingAnchor(), -10);
    extension::bottom(*inner, container->bottomAnchor(), -25);
    auto badge = add(container);
    extension::size(*badge, {10, 10});
    extension::x(*badge, container->centerXAnchor(), -50);
    extension::y(*badge, inner->bottomAnchor(), 5);
    root->layoutIfNeeded();
    EXPECT_EQ(view->frame(), Rect(20, 10, 320, 220));
    EXPECT_EQ(inner->frame(), Rect(20, 15, 270, 160));
    EXPECT_EQ(badge->frame(), Rect(95, 175, 10, 10));
}

TEST_F(ExtensionTest, RemoveAllConstraintsLeavesNoneThatMentionTheViewAndFramesRuleAgain) {
    auto sibling = add(container);
    extension::top(*view, container->topAnchor(), 10);
    extension::leading(*view, root->leadingAnchor(), 30);  // held two levels up
    extension::size(*view, {100, 60});
    extension::top(*sibling, view->bottomAnchor(), 5);
    extension::size(*sibling, {50, 20});
    extension::fill(*add(view));  // held by the view itself
    root->layoutIfNeeded();
    ASSERT_EQ(view->frame(), Rect(10, 10, 100, 60));

    extension::removeAllConstraints(*view);
    EXPECT_TRUE(root->constraints().empty());
    EXPECT_TRUE(container->constraints().empty());
    EXPECT_EQ(described(*sibling), (std::vector<std::string>{"width = 50", "height = 20"}));
    EXPECT_TRUE(view->constraints().empty()) << "constraints among its subviews go too";
    view->setFrame({7, 8, 90, 40});
    root->layoutIfNeeded();
    EXPECT_EQ(view->frame(), Rect(7, 8, 90, 40)) << "its frame rules again";
}

}  // namespace

}  // namespace kelvora
