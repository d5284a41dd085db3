#include <filesystem>

#include "tests/platform/render/RenderFixture.h"
#include "tests/platform/render/SampleScreen.h"

namespace {

using rendertest::SampleScreen;

class SampleScreenTest : public rendertest::RenderFixture {};

// Writes build/render-samples/*.png to look at, and checks what a look would: tiles in
// their colours with white symbols and text, the bars blurred over the grid.
TEST_F(SampleScreenTest, HomeGridIsDrawnAndWrittenForLookingAt) {
    std::filesystem::path folder = testsupport::sourceDir() / "build" / "render-samples";
    std::filesystem::create_directories(folder);
    for (auto style : {kit::InterfaceStyle::light, kit::InterfaceStyle::dark}) {
        SampleScreen screen(style);
        bool dark = style == kit::InterfaceStyle::dark;
        render::Renderer renderer(2);
        std::filesystem::path file = folder / (dark ? "home-dark.png" : "home-light.png");
        ASSERT_TRUE(renderer.writePng(*screen.window, file).ok());

        render::Surface surface = draw(*screen.window, 2);
        ASSERT_EQ(surface.width(), 780);
        ASSERT_EQ(surface.height(), 1688);
        kit::Rect first = SampleScreen::tileFrame(0);
        kit::Rgba blue = kit::Color::systemBlueColor().resolved(style);
        render::Pixel edge = surface.pixel(int(first.maxX() * 2) - 4, int(first.midY() * 2));
        EXPECT_TRUE(near(edge, int(blue.red * 255 + 0.5), int(blue.green * 255 + 0.5),
                         int(blue.blue * 255 + 0.5), 2));
        EXPECT_GT(inkCount(surface, int(first.minX() * 2) + 24, int(first.minY() * 2) + 24,
                           int(first.minX() * 2) + 80, int(first.minY() * 2) + 80, edge),
                  100);  // the white symbol
        render::Pixel corner = surface.pixel(int(first.minX() * 2) + 1, int(first.minY() * 2) + 1);
        EXPECT_EQ(corner, surface.pixel(int(first.minX() * 2) - 6, int(first.minY() * 2) - 6));
    }
}

}  // namespace
