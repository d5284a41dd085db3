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

using ControlDrawingTest = rendertest::RenderFixture;

// A switch shows its value, a spinning indicator turns with the clock, and a scroll
// indicator shows after a scroll, keeps the host drawing while it fades, and is gone after.
TEST_F(ControlDrawingTest, ControlsShowTheirStateAndMoveOnlyWhileAnimating) {
    auto control = std::make_shared<kit::Switch>();
    control->setFrame({10, 10, 51, 31});
    control->setOnTintColor(Color::rgba(1, 0, 0));
    root->addSubview(control);
    render::Surface off = draw(*root);
    EXPECT_LT(off.pixel(50, 25).red, 255);  // faint gray track, the thumb on the left
    EXPECT_EQ(off.pixel(11, 11), white);    // outside the capsule
    control->setOn(true);
    render::Surface on = draw(*root);
    EXPECT_TRUE(near(on.pixel(20, 25), 255, 0, 0));  // track in the on tint
    EXPECT_TRUE(near(on.pixel(46, 25), 255, 255, 255, 4));
    control->removeFromSuperview();

    auto indicator =
        std::make_shared<kit::ActivityIndicatorView>(kit::ActivityIndicatorViewStyle::large);
    indicator->setFrame({0, 0, 100, 100});
    indicator->setColor(Color::blackColor());
    root->addSubview(indicator);
    EXPECT_FALSE(render::Renderer::isAnimating(*root));
    indicator->startAnimating();
    EXPECT_TRUE(render::Renderer::isAnimating(*root));
    render::Surface first = draw(*root);
    foundation::MainQueue::main().advance(render::ActivityIndicatorDrawer::secondsPerTurn / 8);
    render::Surface second = draw(*root);
    EXPECT_NE(first.pixel(50, 38), second.pixel(50, 38)) << "the top spoke has moved on";
    EXPECT_EQ(render::ActivityIndicatorDrawer::leadingSpoke(1 + 3.0 / 8), 3);
    EXPECT_EQ(render::ActivityIndicatorDrawer::leadingSpoke(-1), 0);
    indicator->removeFromSuperview();

    auto scroll = std::make_shared<kit::ScrollView>(kit::Rect{0, 0, 100, 100});
    scroll->setContentSize({100, 1000});
    scroll->addSubview(plain({0, 0, 100, 1000}, Color::whiteColor()));
    root->addSubview(scroll);
    scroll->scrollBy({0, 450});
    EXPECT_TRUE(render::Renderer::isAnimating(*root));
    render::Surface shown = draw(*root);
    EXPECT_LT(shown.pixel(95, 50).red, 200) << "half-way down, as the content is";
    EXPECT_EQ(inkCount(shown, 0, 0, 90, 100), 0);
    foundation::MainQueue::main().advance(1);
    EXPECT_FALSE(render::Renderer::isAnimating(*root));
    EXPECT_EQ(inkCount(draw(*root), 90, 0, 100, 100), 0) << "faded out";
}

// A blur softens what is behind it, lays its material's veil over it, draws under a
// translucent ancestor too, and takes the window's style for a system material, as a dynamic
// background colour does.
TEST_F(ControlDrawingTest, BlurSoftensWhatIsBehindItInItsMaterial) {
    root->addSubview(plain({0, 0, 50, 100}, Color::blackColor()));
    auto group = plain({0, 50, 100, 50}, Color::clearColor());
    group->setAlpha(0.5);
    auto blur = kit::VisualEffectView::make(kit::BlurEffectStyle::systemUltraThinMaterialLight);
    blur->setFrame({0, 0, 100, 50});
    group->addSubview(blur);
    root->addSubview(group);
    render::Surface translucent = draw(*root, 2);
    group->setAlpha(1);
    render::Surface surface = draw(*root, 2);

    // Above the blur the edge is sharp; under it, pixels beside the edge are in between.
    EXPECT_EQ(surface.pixel(103, 40), white);
    EXPECT_GT(surface.pixel(97, 160).red, 100);
    EXPECT_LT(surface.pixel(103, 160).red, 230);
    EXPECT_GT(surface.pixel(10, 160).red, 60);  // the light veil over black
    EXPECT_LT(translucent.pixel(10, 160).red, surface.pixel(10, 160).red) << "half the veil";
    EXPECT_GT(translucent.pixel(10, 160).red, 10);

    using Style = kit::BlurEffectStyle;
    auto veil = render::VisualEffectDrawer::materialColor;  // a fixed style keeps its own
    EXPECT_GT(veil(Style::systemMaterialLight, kit::InterfaceStyle::dark).red, 0.7);
    EXPECT_LT(veil(Style::systemChromeMaterialDark, kit::InterfaceStyle::light).red, 0.3);
    auto window = std::make_shared<kit::Window>(kit::Screen::classic());
    window->setRootView(plain({}, Color::dynamic({1, 1, 1, 1}, {0.1, 0.2, 0.3, 1})));
    window->setOverrideInterfaceStyle(kit::InterfaceStyle::dark);
    window->makeKeyAndVisible();
    auto chrome = kit::VisualEffectView::make(Style::systemChromeMaterial);
    chrome->setFrame({0, 0, 100, 100});
    window->rootView()->addSubview(chrome);
    window->layoutIfNeeded();
    render::Surface dark = draw(*window);
    EXPECT_LT(dark.pixel(50, 50).red, 80) << "dark in a dark window";
    EXPECT_TRUE(near(dark.pixel(187, 333), 26, 51, 77, 1));
}

}  // namespace
