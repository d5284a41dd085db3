#include <memory>

#include "platform/kit/ActivityIndicatorView.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/Switch.h"
#include "platform/kit/VisualEffectView.h"
#include "platform/kit/Window.h"
#include "platform/render/ActivityIndicatorDrawer.h"
#include "platform/render/VisualEffectDrawer.h"
#include "tests/platform/render/RenderFixture.h"

using kit::Color;
using rendertest::white;

namespace {

class ControlDrawingTest : public rendertest::RenderFixture {
  protected:
    std::shared_ptr<kit::View> root = plain({0, 0, 100, 100}, Color::whiteColor());
};

TEST_F(ControlDrawingTest, SwitchShowsItsOnTintAndMovesItsThumbToTheValuesEnd) {
    auto control = std::make_shared<kit::Switch>();
    control->setFrame({10, 10, 51, 31});
    control->setOnTintColor(Color::rgba(1, 0, 0));
    root->addSubview(control);

    render::Surface off = draw(*root);
    EXPECT_TRUE(near(off.pixel(25, 25), 255, 255, 255, 4));  // thumb, white
    render::Pixel track = off.pixel(50, 25);
    EXPECT_LT(track.red, 255);            // faint gray track
    EXPECT_EQ(off.pixel(11, 11), white);  // outside the capsule

    control->setOn(true);
    render::Surface on = draw(*root);
    EXPECT_TRUE(near(on.pixel(20, 25), 255, 0, 0));  // track in the on tint
    EXPECT_TRUE(near(on.pixel(46, 25), 255, 255, 255, 4));
}

TEST_F(ControlDrawingTest, ActivityIndicatorTurnsWithTheClockOnlyWhileAnimating) {
    auto indicator =
        std::make_shared<kit::ActivityIndicatorView>(kit::ActivityIndicatorViewStyle::large);
    indicator->setFrame({0, 0, 100, 100});
    indicator->setColor(Color::blackColor());
    root->addSubview(indicator);
    EXPECT_EQ(inkCount(draw(*root), 0, 0, 100, 100, white), 0);  // stopped: hidden

    EXPECT_FALSE(render::Renderer::isAnimating(*root));
    indicator->startAnimating();
    EXPECT_TRUE(render::Renderer::isAnimating(*root));
    render::Surface first = draw(*root);
    EXPECT_GT(inkCount(first, 30, 30, 70, 70, white), 40);
    EXPECT_EQ(inkCount(first, 0, 0, 100, 100, white), inkCount(draw(*root), 0, 0, 100, 100, white));
    foundation::MainQueue::main().advance(render::ActivityIndicatorDrawer::secondsPerTurn / 8);
    render::Surface second = draw(*root);
    int changed = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            changed += first.pixel(x, y) == second.pixel(x, y) ? 0 : 1;
        }
    }
    EXPECT_GT(changed, 20);

    EXPECT_EQ(render::ActivityIndicatorDrawer::leadingSpoke(0), 0);
    EXPECT_EQ(render::ActivityIndicatorDrawer::leadingSpoke(1.0 / 8), 1);
    EXPECT_EQ(render::ActivityIndicatorDrawer::leadingSpoke(1 + 3.0 / 8), 3);
    EXPECT_EQ(render::ActivityIndicatorDrawer::leadingSpoke(-1), 0);
}

// The indicator shows over the content while the user scrolls, keeps the host drawing while
// it fades, and is gone once it has.
TEST_F(ControlDrawingTest, ScrollIndicatorShowsAfterAScrollAndFadesAway) {
    auto scroll = std::make_shared<kit::ScrollView>(kit::Rect{0, 0, 100, 100});
    scroll->setContentSize({100, 1000});
    scroll->addSubview(plain({0, 0, 100, 1000}, Color::whiteColor()));
    root->addSubview(scroll);
    EXPECT_EQ(inkCount(draw(*root), 90, 0, 100, 100, white), 0);
    EXPECT_FALSE(render::Renderer::isAnimating(*root));

    scroll->scrollBy({0, 450});
    EXPECT_TRUE(render::Renderer::isAnimating(*root));
    render::Surface shown = draw(*root);
    EXPECT_LT(shown.pixel(95, 50).red, 200) << "half-way down, as the content is";
    EXPECT_EQ(shown.pixel(95, 10), white);
    EXPECT_EQ(inkCount(shown, 0, 0, 90, 100, white), 0);

    foundation::MainQueue::main().advance(1);
    EXPECT_FALSE(render::Renderer::isAnimating(*root));
    EXPECT_EQ(inkCount(draw(*root), 90, 0, 100, 100, white), 0);
}

TEST_F(ControlDrawingTest, BlurSoftensTheEdgeBehindItAndTakesTheMaterialColour) {
    root->addSubview(plain({0, 0, 50, 100}, Color::blackColor()));
    auto blur = kit::VisualEffectView::make(kit::BlurEffectStyle::systemUltraThinMaterialLight);
    blur->setFrame({0, 50, 100, 50});
    root->addSubview(blur);

    render::Surface surface = draw(*root, 2);

    // Above the blur the edge is sharp; under it, pixels beside the edge are in between.
    EXPECT_TRUE(near(surface.pixel(97, 40), 0, 0, 0));
    EXPECT_EQ(surface.pixel(103, 40), white);
    render::Pixel left = surface.pixel(97, 160);
    render::Pixel right = surface.pixel(103, 160);
    EXPECT_GT(left.red, 100);
    EXPECT_LT(right.red, 230);
    EXPECT_LT(left.red, right.red);
    EXPECT_GT(surface.pixel(10, 160).red, 60);  // the light veil over black
}

TEST_F(ControlDrawingTest, SystemMaterialFollowsTheWindowStyleAndFixedOnesDoNot) {
    using Style = kit::BlurEffectStyle;
    auto light = kit::InterfaceStyle::light;
    auto dark = kit::InterfaceStyle::dark;
    auto brightness = [](kit::Rgba color) { return color.red + color.green + color.blue; };
    using Drawer = render::VisualEffectDrawer;

    EXPECT_GT(brightness(Drawer::materialColor(Style::systemMaterial, light)), 2);
    EXPECT_LT(brightness(Drawer::materialColor(Style::systemMaterial, dark)), 1);
    EXPECT_GT(brightness(Drawer::materialColor(Style::systemMaterialLight, dark)), 2);
    EXPECT_LT(brightness(Drawer::materialColor(Style::systemChromeMaterialDark, light)), 1);
    EXPECT_LT(Drawer::materialColor(Style::systemUltraThinMaterial, light).alpha,
              Drawer::materialColor(Style::systemThickMaterial, light).alpha);

    auto window = std::make_shared<kit::Window>(kit::Screen::classic());
    auto content = plain({}, Color::whiteColor());
    window->setRootView(content);
    window->setOverrideInterfaceStyle(dark);
    window->makeKeyAndVisible();
    auto blur = kit::VisualEffectView::make(Style::systemChromeMaterial);
    blur->setFrame({0, 0, 100, 100});
    content->addSubview(blur);
    window->layoutIfNeeded();
    EXPECT_LT(draw(*window).pixel(50, 50).red, 80);
}

TEST_F(ControlDrawingTest, BlurUnderATranslucentAncestorStillDraws) {
    auto group = plain({0, 0, 100, 100}, Color::blackColor());
    group->setAlpha(0.5);
    auto blur = kit::VisualEffectView::make(kit::BlurEffectStyle::systemMaterialLight);
    blur->setFrame({0, 0, 100, 100});
    group->addSubview(blur);
    root->addSubview(group);

    render::Pixel pixel = draw(*root).pixel(50, 50);

    EXPECT_GT(pixel.red, 128);
    EXPECT_LT(pixel.red, 255);
}

}  // namespace
