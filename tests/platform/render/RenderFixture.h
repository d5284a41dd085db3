#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/View.h"
#include "platform/render/ContentsPicture.h"
#include "platform/render/Renderer.h"
#include "platform/render/Resources.h"
#include "tests/support/DeviceRoot.h"

namespace rendertest {

constexpr render::Pixel white{255, 255, 255, 255};

// Draws views with the committed resources, on a main queue whose clock starts at zero.
class RenderFixture : public testing::Test {
  protected:
    void SetUp() override {
        foundation::MainQueue::main().reset();
        render::Resources::setDirectory(testsupport::sourceDir() / "resources");
    }
    void TearDown() override {
        if (previousCapturer) {
            kit::ContentsSnapshot::setCapturer(std::move(*previousCapturer));
        }
        foundation::MainQueue::main().reset();
    }

    // Has the renderer take the pictures transitions and menus fade from, until the test ends.
    void installCapturer(double scale) {
        previousCapturer = render::ContentsPicture::install(scale);
    }

    std::optional<kit::ContentsSnapshot::Capturer> previousCapturer;
    std::shared_ptr<kit::View> root = plain({0, 0, 100, 100}, kit::Color::whiteColor());

    static render::Surface draw(const kit::View& view, double scale = 1) {
        foundation::Result<render::Surface> surface = render::Renderer(scale).render(view);
        EXPECT_TRUE(surface.ok()) << (surface.ok() ? "" : surface.error().description);
        return surface.ok() ? surface.value() : render::Surface(1, 1);
    }

    static std::shared_ptr<kit::View> plain(kit::Rect frame, kit::Color color) {
        auto view = std::make_shared<kit::View>(frame);
        view->setBackgroundColor(color);
        return view;
    }

    // Within `tolerance` of each channel of `color` given in 0...255, fully opaque.
    static bool near(render::Pixel pixel, int red, int green, int blue, int tolerance = 2) {
        return std::abs(pixel.red - red) <= tolerance &&
               std::abs(pixel.green - green) <= tolerance &&
               std::abs(pixel.blue - blue) <= tolerance && pixel.alpha == 255;
    }

    // Pixels (x, y) in [x0, x1) × [y0, y1), the whole surface by default, for which `test` holds.
    template <typename Test>
    static int countIf(const render::Surface& surface, Test test, int x0 = 0, int y0 = 0,
                       int x1 = -1, int y1 = -1) {
        int count = 0;
        for (int y = y0; y < (y1 < 0 ? surface.height() : y1); ++y) {
            for (int x = x0; x < (x1 < 0 ? surface.width() : x1); ++x) {
                count += test(surface.pixel(x, y)) ? 1 : 0;
            }
        }
        return count;
    }

    static int inkCount(const render::Surface& surface, int x0, int y0, int x1, int y1,
                        render::Pixel background = white) {
        return countIf(
            surface, [&](render::Pixel pixel) { return pixel != background; }, x0, y0, x1, y1);
    }
};

}  // namespace rendertest
