#include <gtest/gtest.h>

#include <memory>

#include "platform/kit/NavigationController.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/TabBarController.h"
#include "tests/platform/kit/KitScreen.h"
#include "tests/platform/kit/RecordingController.h"

using kit::BarButtonItem;
using kit::BarButtonItemStyle;
using kit::NavigationController;
using kittest::RecordingController;

namespace {

class NavigationControllerTest : public kittest::DrivenTest {
  protected:
    void SetUp() override { show(navigation); }

    std::shared_ptr<RecordingController> root = std::make_shared<RecordingController>("Root");
    std::shared_ptr<RecordingController> detail = std::make_shared<RecordingController>("Detail");
    std::shared_ptr<NavigationController> navigation = NavigationController::make(root);
};

TEST_F(NavigationControllerTest, PushAndBackRunMatchedAppearanceCallsAndTheRootStays) {
    navigation->pushViewController(detail, true);
    driver->settle();
    EXPECT_TRUE(driver->isShowing("Detail content"));
    EXPECT_FALSE(driver->isShowing("Root content"));
    ASSERT_TRUE(driver->tap("Root").ok());  // the back button carries the previous title
    EXPECT_EQ(navigation->topViewController(), root);
    EXPECT_EQ(detail->parent(), nullptr);
    EXPECT_TRUE(driver->isShowing("Root content"));
    EXPECT_EQ(navigation->popViewController(false), nullptr) << "the root is never popped";

    EXPECT_EQ(root->count("willAppear"), 2);
    EXPECT_EQ(detail->events, (std::vector<std::string>{"didLoad", "willAppear", "didAppear",
                                                        "willDisappear", "didDisappear"}));
}

// The large title at rest, and the small bar of a screen pushed over it, are fixed by the
// home and explorer golden files; this follows a large title as its list scrolls.
TEST_F(NavigationControllerTest, ALargeTitleCollapsesOnScrollWhileTheInsetStays) {
    auto list = std::make_shared<kit::ScrollView>();
    list->setContentSize({390, 3000});
    list->setFrame(root->view()->bounds());
    root->view()->addSubview(list);
    navigation->navigationBar()->setPrefersLargeTitles(true);
    driver->settle();
    const auto& bar = navigation->navigationBar();
    EXPECT_EQ(list->contentOffset().y, -(47 + 44 + 52)) << "resting below the large title";

    // Scrolling up takes the large title under the bar, which shrinks while the inset stays.
    list->scrollBy({0, 20});
    driver->settle();
    EXPECT_EQ(bar->frame().height(), 47 + 44 + 32);
    EXPECT_TRUE(bar->titleLabel()->isHidden());
    list->scrollBy({0, 400});
    driver->settle();
    EXPECT_EQ(bar->frame().height(), 47 + 44);
    EXPECT_FALSE(bar->titleLabel()->isHidden()) << "the small title takes over";
    EXPECT_EQ(root->view()->safeAreaInsets().top, 47 + 44 + 52);
    list->scrollBy({0, -1000});
    driver->settle();
    EXPECT_EQ(bar->frame().height(), 47 + 44 + 52);
}

TEST_F(NavigationControllerTest, BarItemsBelongToTheTopControllerAndReachOnlyTheirTarget) {
    root->define("restore");
    root->setToolbarItems(
        {BarButtonItem::withTitle("Restore", BarButtonItemStyle::plain, {}, "restore")});
    auto target = std::make_shared<RecordingController>("Target");
    root->navigationItem().setRightBarButtonItem(
        BarButtonItem::withTitle("Go", BarButtonItemStyle::done, target, "restore"));
    navigation->setToolbarHidden(false);
    driver->settle();
    target.reset();

    ASSERT_TRUE(driver->tap("Restore").ok());
    ASSERT_TRUE(driver->tap("Go").ok());
    EXPECT_EQ(root->performed, (std::vector<std::string>{"restore"}))
        << "an item whose target is gone must not fall through to the chain";

    navigation->pushViewController(detail, false);
    driver->settle();
    EXPECT_FALSE(driver->isShowing("Restore")) << "the new top has no toolbar items";
}

TEST_F(NavigationControllerTest, ATransparentBarLetsWhatIsUnderItShowThrough) {
    auto header = std::make_shared<kit::Label>();
    header->setText("Under the bar");
    header->setFrame({20, 60, 200, 20});
    root->view()->addSubview(header);
    driver->settle();
    EXPECT_FALSE(driver->isShowing("Under the bar")) << "the bar's blur covers it";
    navigation->navigationBar()->setBackgroundTransparent(true);
    driver->settle();
    EXPECT_TRUE(driver->isShowing("Under the bar"));
    EXPECT_TRUE(driver->isShowing("Root")) << "the title still shows";
}

using TabBarControllerTest = kittest::DrivenTest;

// Tapping a tab to show its screen is the start-up road.
TEST_F(TabBarControllerTest, OnlyTheSelectedTabLoadsAndAppears) {
    kit::TabBar::appearance().tintColor = kit::Color::systemPinkColor();
    auto first = std::make_shared<RecordingController>("First");
    auto second = std::make_shared<RecordingController>("Second");
    first->setTabBarItem({"Setup", kit::Image::systemImageNamed("rectangle.3.offgrid.fill"), 0});
    second->setTabBarItem({"Settings", kit::Image::systemImageNamed("gear"), 2});
    auto tabs = std::make_shared<kit::TabBarController>();
    tabs->setViewControllers({NavigationController::make(first), second});
    show(tabs);

    EXPECT_EQ(tabs->tabBar()->tintColor(), kit::Color::systemPinkColor());
    kit::TabBar::appearance().tintColor.reset();
    EXPECT_EQ(first->view()->safeAreaInsets().bottom, 34 + 49);
    EXPECT_TRUE(driver->isShowing("First content"));
    EXPECT_EQ(second->count("didLoad"), 0) << "a tab loads its view only when first shown";

    ASSERT_TRUE(driver->tap("Settings").ok());
    EXPECT_EQ(tabs->selectedIndex(), 1u);
    EXPECT_FALSE(driver->isShowing("First content"));
    EXPECT_EQ(first->count("willDisappear"), 1);
    tabs->setSelectedIndex(0);
    tabs->setSelectedIndex(7);
    driver->settle();
    EXPECT_EQ(tabs->selectedIndex(), 0u);
    EXPECT_EQ(first->count("willAppear"), 2);
}

}  // namespace
