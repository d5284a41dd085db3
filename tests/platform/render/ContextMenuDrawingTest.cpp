#include <memory>

#include "platform/kit/ContextMenuView.h"
#include "platform/kit/Window.h"
#include "tests/platform/render/RenderFixture.h"

using kit::Color;

namespace {

class ContextMenuDrawingTest : public rendertest::RenderFixture {
  protected:
    void SetUp() override {
        RenderFixture::SetUp();
        installCapturer(1);
        window->addSubview(plain(window->bounds(), Color::whiteColor()));
        tile->setCornerRadius(20);
        window->addSubview(tile);
        window->makeKeyAndVisible();
    }

    // Presents the tile's menu and lets it fade in.
    std::shared_ptr<kit::ContextMenuView> show() {
        kit::ContextMenuConfiguration configuration;
        configuration.actionProvider = [] {
            return kit::Menu{"Tile", {{"View", "eye", false, {}}}};
        };
        auto menu = kit::ContextMenuView::present(
            window, {configuration, tile->frame(), kit::ContentsSnapshot::capture(*tile)});
        EXPECT_NE(menu, nullptr);
        foundation::MainQueue::main().advance(kit::ContextMenuView::fadeDuration);
        window->layoutIfNeeded();
        return menu;
    }

    std::shared_ptr<kit::Window> window = std::make_shared<kit::Window>(kit::Screen::classic());
    std::shared_ptr<kit::View> tile = plain({20, 100, 160, 100}, Color::rgba(0, 0, 1));
};

// The pressed tile is lifted whole above the dimmed screen: its rounded corners dim with the
// rest, and nothing of it is dimmed; without a picture of it, it dims with the rest.
TEST_F(ContextMenuDrawingTest, TheLiftedTileKeepsItsColourAndItsCornersDimWithTheScreen) {
    auto menu = show();
    render::Surface drawn = draw(*window);

    EXPECT_TRUE(near(drawn.pixel(100, 150), 0, 0, 255)) << "the tile itself";
    EXPECT_TRUE(near(drawn.pixel(21, 101), 179, 179, 179)) << "outside the tile's rounded corner";
    EXPECT_TRUE(near(drawn.pixel(300, 600), 179, 179, 179)) << "the rest of the screen";

    // Where nothing draws pictures, the item dims with the screen rather than vanish.
    menu->removeFromSuperview();
    kit::ContentsSnapshot::setCapturer(nullptr);
    show();
    EXPECT_TRUE(near(draw(*window).pixel(100, 150), 0, 0, 179));
}

}  // namespace
