#include <gtest/gtest.h>

#include <memory>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/Driver.h"
#include "platform/kit/NavigationController.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/TabBarController.h"
#include "platform/kit/Window.h"
#include "tests/platform/kit/RecordingController.h"

using kit::BarButtonItem;
using kit::BarButtonItemStyle;
using kit::BarButtonSystemItem;
using kit::NavigationController;
using kittest::RecordingController;

namespace {

class NavigationControllerTest : public testing::Test {
  protected:
    void SetUp() override {
        foundation::MainQueue::main().reset();
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
        driver = std::make_unique<kit::Driver>(window);
    }
    void TearDown() override { foundation::MainQueue::main().reset(); }

    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<RecordingController> root = std::make_shared<RecordingController>("Root");
    std::shared_ptr<RecordingController> detail = std::make_shared<RecordingController>("Detail");
    std::shared_ptr<NavigationController> navigation = NavigationController::make(root);
    std::unique_ptr<kit::Driver> driver;
};

TEST_F(NavigationControllerTest, ViewLoadsOnceAndWillAppearRunsOnEveryAppearance) {
    navigation->pushViewController(detail, false);
    navigation->popViewController(false);
    navigation->pushViewController(detail, false);
    navigation->popViewController(false);

    EXPECT_EQ(root->count("didLoad"), 1);
    EXPECT_EQ(root->count("willAppear"), 3);
    EXPECT_EQ(root->count("willDisappear"), 2);
    EXPECT_EQ(detail->count("didLoad"), 1);
    EXPECT_EQ(detail->count("willAppear"), 2);
    // Appearance calls come in matched pairs, in order.
    std::vector<std::string> expected{"didLoad", "willAppear", "didAppear", "willDisappear",
                                      "didDisappear"};
    EXPECT_EQ(std::vector<std::string>(detail->events.begin(), detail->events.begin() + 5),
              expected);
}

TEST_F(NavigationControllerTest, PushShowsTheNewTopAndABackButtonThatPops) {
    navigation->pushViewController(detail, true);
    driver->settle();

    EXPECT_EQ(navigation->topViewController(), detail);
    EXPECT_TRUE(driver->isShowing("Detail content"));
    EXPECT_FALSE(driver->isShowing("Root content"));
    ASSERT_TRUE(driver->tap("Root").ok());  // the back button carries the previous title

    EXPECT_EQ(navigation->topViewController(), root);
    EXPECT_EQ(detail->parent(), nullptr);
    EXPECT_TRUE(driver->isShowing("Root content"));
    EXPECT_EQ(navigation->popViewController(false), nullptr) << "the root is never popped";

    navigation->pushViewController(detail, false);
    driver->settle();
    ASSERT_TRUE(driver->tap("Back").ok());
    EXPECT_EQ(navigation->topViewController(), root);
}

TEST_F(NavigationControllerTest, BarsAddToTheTopControllersSafeArea) {
    driver->settle();
    EXPECT_EQ(root->view()->safeAreaInsets().top, 47 + 44);
    navigation->navigationBar()->setPrefersLargeTitles(true);
    navigation->setToolbarHidden(false);
    driver->settle();

    EXPECT_EQ(root->view()->safeAreaInsets().top, 47 + 44 + 52);
    EXPECT_EQ(root->view()->safeAreaInsets().bottom, 34 + 44);
    EXPECT_EQ(navigation->toolbar()->frame().minY(), 844 - 34 - 44);
    EXPECT_TRUE(driver->isShowing("Root")) << "the large title under the bar";
    EXPECT_GT(driver->find("Root")->frame().height(), 44) << "large, not the bar's own title";

    root->navigationItem().setLargeTitleDisplayMode(kit::LargeTitleDisplayMode::never);
    driver->settle();
    EXPECT_EQ(root->view()->safeAreaInsets().top, 47 + 44);
}

// Content scrolling up takes the large title under the bar's top row and the bar shrinks with
// it, while the content's inset stays; scrolled back, the large title returns.
TEST_F(NavigationControllerTest, ALargeTitleCollapsesAsTheContentScrollsUp) {
    auto list = std::make_shared<kit::ScrollView>();
    list->setContentSize({390, 3000});
    list->setFrame(root->view()->bounds());
    root->view()->addSubview(list);
    navigation->navigationBar()->setPrefersLargeTitles(true);
    driver->settle();
    const auto& bar = navigation->navigationBar();
    EXPECT_EQ(bar->frame().height(), 47 + 44 + 52);
    EXPECT_EQ(list->contentOffset().y, -(47 + 44 + 52)) << "resting below the large title";

    list->scrollBy({0, 20});
    driver->settle();
    EXPECT_EQ(bar->frame().height(), 47 + 44 + 32);
    EXPECT_TRUE(driver->find("Root")) << "the large title, partly under the top row";
    EXPECT_TRUE(bar->titleLabel()->isHidden());

    list->scrollBy({0, 400});
    driver->settle();
    EXPECT_EQ(bar->frame().height(), 47 + 44);
    EXPECT_FALSE(bar->titleLabel()->isHidden()) << "the small title takes over";
    EXPECT_EQ(root->view()->safeAreaInsets().top, 47 + 44 + 52);

    list->scrollBy({0, -1000});
    driver->settle();
    EXPECT_EQ(bar->frame().height(), 47 + 44 + 52);
    EXPECT_TRUE(bar->titleLabel()->isHidden());
}

TEST_F(NavigationControllerTest, ToolbarShowsTheTopControllersItemsAndHides) {
    root->define("restore");
    root->setToolbarItems(
        {BarButtonItem::withTitle("Edit", BarButtonItemStyle::plain, {}, "edit"),
         BarButtonItem::withSystemItem(BarButtonSystemItem::flexibleSpace, {}, ""),
         BarButtonItem::withTitle("Restore", BarButtonItemStyle::plain, {}, "restore")});
    navigation->setToolbarHidden(false);
    driver->settle();

    ASSERT_TRUE(driver->tap("Restore").ok());
    EXPECT_EQ(root->performed, std::vector<std::string>{"restore"});
    // The flexible space pushes the second item to the far edge.
    auto restore = driver->find("Restore");
    EXPECT_GT(restore->frame().minX(), 300);

    navigation->pushViewController(detail, false);
    driver->settle();
    EXPECT_FALSE(driver->isShowing("Edit")) << "the new top has no toolbar items";

    navigation->setToolbarHidden(true);
    navigation->popViewController(false);
    driver->settle();
    EXPECT_FALSE(driver->isShowing("Restore"));
}

TEST_F(NavigationControllerTest, BarItemsFollowTheNavigationItemAndSymbolItemsAreNamed) {
    root->define("presentSortVC");
    root->navigationItem().setLeftBarButtonItem(
        BarButtonItem::withImage(kit::Image::systemImageNamed("text.append"),
                                 BarButtonItemStyle::plain, {}, "presentSortVC"));
    driver->settle();

    ASSERT_TRUE(driver->tap("text.append").ok());
    EXPECT_EQ(root->performed, std::vector<std::string>{"presentSortVC"});

    root->navigationItem().setLeftBarButtonItems({});
    driver->settle();
    EXPECT_FALSE(driver->isShowing("text.append"));
}

TEST_F(NavigationControllerTest, AnItemWhoseTargetIsGoneDoesNothing) {
    auto target = std::make_shared<RecordingController>("Target");
    target->define("go");
    root->navigationItem().setRightBarButtonItem(
        BarButtonItem::withTitle("Go", BarButtonItemStyle::done, target, "go"));
    root->define("go");
    driver->settle();
    target.reset();

    ASSERT_TRUE(driver->tap("Go").ok());
    EXPECT_TRUE(root->performed.empty()) << "the action must not fall through to the chain";
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

class TabBarControllerTest : public testing::Test {
  protected:
    void SetUp() override {
        foundation::MainQueue::main().reset();
        kit::TabBar::appearance().tintColor = kit::Color::systemPinkColor();
        first->setTabBarItem(
            {"Setup", kit::Image::systemImageNamed("rectangle.3.offgrid.fill"), 0});
        second->setTabBarItem({"Settings", kit::Image::systemImageNamed("gear"), 2});
        tabs->setViewControllers({NavigationController::make(first), second});
        window->setRootViewController(tabs);
        window->makeKeyAndVisible();
        driver = std::make_unique<kit::Driver>(window);
    }
    void TearDown() override {
        kit::TabBar::appearance().tintColor.reset();
        foundation::MainQueue::main().reset();
    }

    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::notched());
    std::shared_ptr<RecordingController> first = std::make_shared<RecordingController>("First");
    std::shared_ptr<RecordingController> second = std::make_shared<RecordingController>("Second");
    std::shared_ptr<kit::TabBarController> tabs = std::make_shared<kit::TabBarController>();
    std::unique_ptr<kit::Driver> driver;
};

TEST_F(TabBarControllerTest, TappingATabSelectsItAndOnlyTheSelectedTabIsOnScreen) {
    EXPECT_EQ(tabs->selectedIndex(), 0u);
    EXPECT_TRUE(driver->isShowing("First content"));
    EXPECT_EQ(second->count("didLoad"), 0) << "a tab loads its view only when first shown";

    ASSERT_TRUE(driver->tap("Settings").ok());

    EXPECT_EQ(tabs->selectedIndex(), 1u);
    EXPECT_TRUE(driver->isShowing("Second content"));
    EXPECT_FALSE(driver->isShowing("First content"));
    EXPECT_EQ(first->count("willDisappear"), 1);

    tabs->setSelectedIndex(0);
    tabs->setSelectedIndex(7);
    driver->settle();
    EXPECT_EQ(tabs->selectedIndex(), 0u);
    EXPECT_EQ(first->count("willAppear"), 2);
}

TEST_F(TabBarControllerTest, TabsShowTitlesInOrderWithTheAppearanceTintOnTheSelectedOne) {
    auto texts = driver->textsOnScreen();
    auto setup = std::find(texts.begin(), texts.end(), "Setup");
    auto settings = std::find(texts.begin(), texts.end(), "Settings");
    ASSERT_NE(setup, texts.end());
    ASSERT_NE(settings, texts.end());
    EXPECT_LT(setup, settings);
    EXPECT_EQ(tabs->tabBar()->tintColor(), kit::Color::systemPinkColor());
    EXPECT_EQ(first->view()->safeAreaInsets().bottom, 34 + 49);
    EXPECT_EQ(tabs->viewControllers()[1]->tabBarItem().tag, 2);
}

}  // namespace
