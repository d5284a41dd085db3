#include <memory>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/ContextMenuView.h"
#include "platform/kit/Window.h"
#include "tests/platform/render/RenderFixture.h"

using kit::Color;
using kit::TransitionOption;
using kit::View;
using rendertest::white;

namespace {

class TransitionDrawingTest : public rendertest::RenderFixture {
  protected:
    static void advance(double seconds) { foundation::MainQueue::main().advance(seconds); }

    // Half-way through a one-second dissolve the timing curve is exactly at one half.
    static void dissolve(const std::shared_ptr<View>& view, const std::function<void()>& changes) {
        View::transition(view, 1, TransitionOption::crossDissolve, changes);
    }

    std::shared_ptr<View> tile = plain({20, 20, 60, 60}, Color::rgba(1, 0, 0));
};

TEST_F(TransitionDrawingTest, OldPictureFadesIntoTheNewWithoutTheBackgroundShowingThrough) {
    installCapturer(1);
    root->addSubview(tile);
    dissolve(tile, [&] { tile->setBackgroundColor(Color::rgba(0, 0, 1)); });

    EXPECT_TRUE(near(draw(*root).pixel(50, 50), 255, 0, 0));
    advance(0.5);
    // Fading each over the other would let the white behind add green.
    EXPECT_TRUE(near(draw(*root).pixel(50, 50), 128, 0, 128));
    advance(0.5);

    tile->setHidden(true);  // a hidden view fades in from nothing
    dissolve(tile, [&] { tile->setHidden(false); });
    advance(0.5);
    EXPECT_TRUE(near(draw(*root).pixel(50, 50), 128, 128, 255));
}

TEST_F(TransitionDrawingTest, PictureKeepsSubviewsWhereTheyWereAtTwiceTheScaleUnderTheViewsAlpha) {
    installCapturer(2);
    auto marker = plain({0, 0, 30, 60}, Color::rgba(0, 1, 0));
    tile->addSubview(marker);
    root->addSubview(tile);
    dissolve(tile, [&] { marker->setFrame({30, 0, 30, 60}); });
    advance(0.5);

    render::Surface middle = draw(*root, 2);
    EXPECT_TRUE(near(middle.pixel(2 * 30, 2 * 50), 128, 128, 0));  // green going, red coming
    EXPECT_EQ(middle.pixel(2 * 10, 2 * 50), white);

    tile->setAlpha(0.5);
    EXPECT_TRUE(near(draw(*root, 2).pixel(2 * 30, 2 * 50), 192, 192, 128));
}

TEST_F(TransitionDrawingTest, PictureIsReleasedWhenTheViewGoesAndNeedsACapturer) {
    // The kit's AnimationTest proves the picture goes when the transition ends.
    installCapturer(1);
    root->addSubview(tile);
    dissolve(tile, [&] { tile->setBackgroundColor(Color::whiteColor()); });
    ASSERT_EQ(tile->runningAnimations().size(), 1u);
    std::weak_ptr<const kit::ContentsSnapshot> kept = tile->runningAnimations()[0].snapshot;
    EXPECT_FALSE(kept.expired());
    tile->removeFromSuperview();
    tile.reset();
    EXPECT_TRUE(kept.expired());

    // Where nothing takes pictures, the new contents show at once.
    kit::ContentsSnapshot::setCapturer(nullptr);
    auto other = plain({0, 0, 100, 100}, Color::rgba(1, 0, 0));
    root->addSubview(other);
    dissolve(other, [&] { other->setBackgroundColor(Color::rgba(0, 0, 1)); });
    EXPECT_EQ(other->runningAnimations()[0].snapshot, nullptr);
    EXPECT_TRUE(near(draw(*root).pixel(50, 50), 0, 0, 255));
}

// The pressed tile is lifted whole above the dimmed screen: its rounded corners dim with the
// rest, and nothing of it is dimmed; without a picture of it, it dims with the rest.
TEST_F(TransitionDrawingTest, AMenusLiftedTileKeepsItsColourAndItsCornersDimWithTheScreen) {
    installCapturer(1);
    auto window = std::make_shared<kit::Window>(kit::Screen::classic());
    window->addSubview(plain(window->bounds(), Color::whiteColor()));
    auto item = plain({20, 100, 160, 100}, Color::rgba(0, 0, 1));
    item->setCornerRadius(20);
    window->addSubview(item);
    window->makeKeyAndVisible();
    std::shared_ptr<kit::ContextMenuView> menu;
    auto show = [&] {
        kit::ContextMenuConfiguration configuration;
        configuration.actionProvider = [] {
            return kit::Menu{"Tile", {{"View", "eye", false, {}}}};
        };
        menu = kit::ContextMenuView::present(
            window, {configuration, item->frame(), kit::ContentsSnapshot::capture(*item)});
        EXPECT_NE(menu, nullptr);
        advance(kit::ContextMenuView::fadeDuration);
        window->layoutIfNeeded();
        return draw(*window);
    };
    render::Surface drawn = show();
    EXPECT_TRUE(near(drawn.pixel(100, 150), 0, 0, 255)) << "the tile itself";
    EXPECT_TRUE(near(drawn.pixel(21, 101), 179, 179, 179)) << "outside the tile's rounded corner";
    EXPECT_TRUE(near(drawn.pixel(300, 600), 179, 179, 179)) << "the rest of the screen";

    menu->removeFromSuperview();
    kit::ContentsSnapshot::setCapturer(nullptr);
    EXPECT_TRUE(near(show().pixel(100, 150), 0, 0, 179)) << "no picture: dimmed, not gone";
}

}  // namespace
