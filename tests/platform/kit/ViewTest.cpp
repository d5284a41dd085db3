#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "platform/kit/View.h"
#include "platform/kit/Window.h"

using kit::Color;
using kit::Point;
using kit::Rect;
using kit::View;

namespace {

// Writes down each window it moves to and each tint it is told of.
class Watcher final : public View {
  public:
    void didMoveToWindow() override { windows.push_back(window()); }
    void tintColorDidChange() override { seen = tintColor(); }
    std::vector<std::shared_ptr<kit::Window>> windows;
    std::optional<Color> seen;
};

class Editable final : public View {
  public:
    bool canBecomeFirstResponder() const override { return true; }
    bool resignFirstResponder() override {
        ++resigned;
        return View::resignFirstResponder();
    }
    int resigned = 0;
};

TEST(ViewHierarchyTest, AViewHasOneSuperviewCannotContainItsAncestorAndOutlivesIt) {
    auto a = std::make_shared<View>();
    auto b = std::make_shared<View>();
    auto child = std::make_shared<View>();
    auto front = std::make_shared<View>();
    a->addSubview(child);
    b->addSubview(child);
    EXPECT_TRUE(a->subviews().empty());
    EXPECT_EQ(child->superview(), b);
    b->addSubview(front);
    b->insertSubview(a, 0);
    EXPECT_EQ(b->subviews(), (std::vector<std::shared_ptr<View>>{a, child, front}));

    child->addSubview(b);  // would make a cycle
    child->addSubview(child);
    EXPECT_TRUE(child->subviews().empty());
    EXPECT_EQ(b->superview(), nullptr);

    // A subview outliving its superview forgets it.
    b.reset();
    EXPECT_EQ(child->superview(), nullptr);
}

TEST(ViewHierarchyTest, AViewHearsOfAWindowOrTintChangeOnlyWhenItsOwnChanges) {
    auto window = std::make_shared<kit::Window>();
    auto root = std::make_shared<View>();
    auto own = std::make_shared<View>();
    auto watcher = std::make_shared<Watcher>();
    own->addSubview(watcher);
    root->addSubview(own);
    EXPECT_TRUE(watcher->windows.empty());
    window->setRootView(root);  // the grandparent arrives in a window
    window->setTintColor(Color::systemPinkColor());
    EXPECT_EQ(watcher->seen, Color::systemPinkColor());

    own->setTintColor(Color::systemGreenColor());
    EXPECT_EQ(watcher->seen, Color::systemGreenColor());
    watcher->seen.reset();
    window->setTintColor(Color::systemRedColor());
    EXPECT_FALSE(watcher->seen.has_value()) << "below its own tint, an ancestor's is not felt";
    root->addSubview(watcher);  // moved, but within the same window
    EXPECT_EQ(watcher->seen, Color::systemRedColor());
    watcher->removeFromSuperview();
    EXPECT_EQ(watcher->windows, (std::vector<std::shared_ptr<kit::Window>>{window, nullptr}));

    // Dynamic colours are resolved as drawn (the renderer's test): a new style asks a redraw.
    root->clearNeedsDisplay();
    window->setOverrideInterfaceStyle(kit::InterfaceStyle::dark);
    EXPECT_TRUE(root->needsDisplay());
}

TEST(ViewGeometryTest, SafeAreaInsetsAreWhatAViewOverlapsOfTheWindowsBands) {
    auto window = std::make_shared<kit::Window>(kit::Screen::notched());
    auto root = std::make_shared<View>();
    window->setRootView(root);
    auto top = std::make_shared<View>(Rect{0, 30, 390, 100});
    auto bottom = std::make_shared<View>(Rect{0, 780, 390, 64});
    root->addSubview(top);
    root->addSubview(bottom);

    EXPECT_EQ(root->safeAreaInsets(), (kit::EdgeInsets{47, 0, 34, 0}));
    EXPECT_EQ(top->safeAreaInsets(), (kit::EdgeInsets{17, 0, 0, 0}));
    EXPECT_EQ(bottom->safeAreaInsets(), (kit::EdgeInsets{0, 0, 34, 0}));
}

TEST(ViewGeometryTest, PointsConvertThroughScrolledAndScaledViews) {
    auto root = std::make_shared<View>(Rect{0, 0, 390, 844});
    auto panel = std::make_shared<View>(Rect{100, 100, 100, 100});
    auto inner = std::make_shared<View>(Rect{10, 10, 20, 20});
    root->addSubview(panel);
    panel->addSubview(inner);

    // Plain offsets are fixed by every golden file, which lists frames in window points.
    panel->setBounds({{0, 50}, {100, 100}});  // scrolled down by 50
    panel->setTransform(kit::AffineTransform::scale(2, 2));
    // Scaled about the panel's centre (150, 150).
    EXPECT_EQ(inner->convert({0, 0}, *root), (Point{70, -30}));
    EXPECT_EQ(root->convert({70, -30}, *inner), (Point{0, 0}));
}

TEST(FirstResponderTest, OneViewAtATimeAndOnlyInsideAWindow) {
    auto window = std::make_shared<kit::Window>();
    auto root = std::make_shared<View>();
    window->setRootView(root);
    auto first = std::make_shared<Editable>();
    auto second = std::make_shared<Editable>();
    root->addSubview(first);
    root->addSubview(second);

    EXPECT_FALSE(std::make_shared<Editable>()->becomeFirstResponder()) << "not in a window";
    EXPECT_TRUE(first->becomeFirstResponder());
    EXPECT_TRUE(second->becomeFirstResponder());
    EXPECT_FALSE(first->isFirstResponder());
    EXPECT_EQ(first->resigned, 1);

    // Taken off screen, a first responder stops being one.
    ASSERT_TRUE(first->becomeFirstResponder());
    first->removeFromSuperview();
    EXPECT_EQ(window->firstResponder(), nullptr);
    EXPECT_EQ(first->resigned, 2);
}

TEST(ViewGeometryTest, ValuesThatAreNotNumbersAreRefused) {
    auto view = std::make_shared<View>(Rect{1, 2, 3, 4});
    double nan = std::nan("");
    view->setFrame({nan, 0, 10, 10});
    view->setBounds({0, 0, std::numeric_limits<double>::infinity(), 10});
    view->setAlpha(nan);
    view->setTransform(kit::AffineTransform::scale(nan, 1));
    EXPECT_EQ(view->frame(), Rect(1, 2, 3, 4));
    EXPECT_EQ(view->alpha(), 1);
    EXPECT_TRUE(view->transform().isIdentity());
}

}  // namespace
