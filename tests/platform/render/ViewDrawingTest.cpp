#include <cairo.h>

#include <cmath>
#include <limits>
#include <memory>

#include "platform/kit/ScrollView.h"
#include "platform/kit/VisualEffectView.h"
#include "platform/kit/Window.h"
#include "platform/render/Occlusion.h"
#include "tests/platform/render/RenderFixture.h"

using kit::Color;
using kit::Rect;
using kit::View;
using render::Occlusion;
using rendertest::white;

namespace {

using ViewDrawingTest = rendertest::RenderFixture;

// Corners: continuous ones bend longer than quarter circles, masked ones stay square, and a
// rounded view clips a child only when asked, its border lying on top.
TEST_F(ViewDrawingTest, CornersCurveAsAskedClipChildrenWhenAskedAndTheBorderLiesOnTop) {
    auto continuous = plain({0, 0, 100, 100}, Color::blackColor());
    continuous->setCornerRadius(20);
    // 24 points along the top edge a quarter circle of radius 20 has already reached the
    // edge; the continuous curve is still bending there, so its pixel next to the edge is empty.
    EXPECT_EQ(draw(*continuous).pixel(24, 0).alpha, 255);
    continuous->setContinuousCorners(true);
    render::Surface smooth = draw(*continuous);
    EXPECT_LT(smooth.pixel(24, 0).alpha, 255);
    EXPECT_GT(smooth.pixel(50, 0).alpha, 250);
    continuous->setMaskedCorners(kit::minXMinYCorner);
    render::Surface masked = draw(*continuous);
    EXPECT_EQ(masked.pixel(0, 0).alpha, 0);
    EXPECT_EQ(masked.pixel(99, 0).alpha + masked.pixel(99, 99).alpha + masked.pixel(0, 99).alpha,
              3 * 255);

    auto parent = plain({10, 10, 80, 80}, Color::rgba(0, 0, 1));
    parent->setCornerRadius(30);
    root->addSubview(parent);
    parent->addSubview(plain({-10, -10, 100, 100}, Color::rgba(0, 1, 0)));
    EXPECT_TRUE(near(draw(*root).pixel(12, 12), 0, 255, 0)) << "spills without clipping";
    parent->setClipsToBounds(true);
    parent->setBorderWidth(4);
    parent->setBorderColor(Color::rgba(1, 0, 0));
    render::Surface clipped = draw(*root);
    EXPECT_EQ(clipped.pixel(12, 12), white);  // inside the frame, outside the rounded corner
    EXPECT_TRUE(near(clipped.pixel(50, 50), 0, 255, 0));
    EXPECT_TRUE(near(clipped.pixel(13, 50), 255, 0, 0)) << "the border, inside, over the child";
    EXPECT_TRUE(near(clipped.pixel(15, 50), 0, 255, 0));
}

// Hidden, transparent and collapsed views draw nothing; a scale shrinks around the centre; a
// half-transparent group of two overlapping opaque views blends once, not twice.
TEST_F(ViewDrawingTest, InvisibleViewsDrawNothingAScaleKeepsTheCentreAndAGroupFadesWhole) {
    auto hidden = plain({0, 0, 100, 100}, Color::blackColor());
    hidden->setHidden(true);
    auto collapsed = plain({0, 0, 100, 100}, Color::blackColor());
    collapsed->setTransform(kit::AffineTransform::scale(0, 0));
    auto overlay = plain({0, 0, 100, 100}, Color::blackColor());
    overlay->setAlpha(0);
    auto tile = plain({20, 20, 60, 60}, Color::blackColor());
    tile->setTransform(kit::AffineTransform::scale(0.5, 0.5));
    for (const auto& view : {hidden, collapsed, tile, overlay}) {
        root->addSubview(view);
    }
    render::Surface surface = draw(*root);
    EXPECT_EQ(inkCount(surface, 0, 0, 100, 100), 30 * 30);
    EXPECT_TRUE(near(surface.pixel(36, 36), 0, 0, 0));
    EXPECT_EQ(surface.pixel(33, 50), white);  // inside the frame, outside the scaled tile
    EXPECT_EQ(surface.pixel(66, 50), white);

    tile->removeFromSuperview();
    root->insertSubview(plain({0, 0, 50, 100}, Color::rgba(0, 0, 1)), 0);
    overlay->setAlpha(0.5);
    overlay->addSubview(plain({0, 0, 100, 100}, Color::blackColor()));
    render::Surface faded = draw(*root);
    EXPECT_TRUE(near(faded.pixel(75, 50), 128, 128, 128, 2));
    EXPECT_TRUE(near(faded.pixel(25, 50), 0, 0, 128, 2));
}

TEST_F(ViewDrawingTest, AnimationsAreDrawnPartWayAndEndAtTheirTargets) {
    auto scroll = std::make_shared<kit::ScrollView>(Rect{0, 0, 100, 100});
    scroll->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
    scroll->setContentSize({100, 400});
    auto stripe = plain({0, 100, 100, 10}, Color::rgba(1, 0, 0));
    scroll->addSubview(stripe);
    root->addSubview(scroll);
    auto tile = plain({0, 80, 20, 20}, Color::blackColor());
    root->addSubview(tile);
    scroll->setContentOffset({0, 100}, true);
    View::animate(1, [&] {
        stripe->setBackgroundColor(Color::rgba(0, 0, 1));
        tile->setAlpha(0.2);
        tile->setFrame({80, 80, 20, 20});
    });
    EXPECT_TRUE(render::Renderer::isAnimating(*root));

    foundation::MainQueue::main().advance(0.2);
    render::Surface early = draw(*root);
    int stripeRow = 0;
    while (stripeRow < 80 && early.pixel(50, stripeRow) == white) {
        ++stripeRow;
    }
    EXPECT_GT(stripeRow, 2);  // on its way up, not yet at the top
    EXPECT_LT(stripeRow, 78);
    render::Pixel mixed = early.pixel(50, stripeRow + 5);
    EXPECT_TRUE(mixed.red > 30 && mixed.blue > 5) << "between red and blue";
    EXPECT_EQ(inkCount(early, 80, 80, 100, 100), 0) << "the tile is not there yet";
    auto dark = [](render::Pixel pixel) { return pixel.red < 100; };
    EXPECT_GT(countIf(early, dark, 0, 90, 80, 91), 0)
        << "still nearly opaque, not yet faded to its end";

    foundation::MainQueue::main().advance(1);
    EXPECT_FALSE(render::Renderer::isAnimating(*root));
    render::Surface done = draw(*root);
    EXPECT_TRUE(near(done.pixel(50, 5), 0, 0, 255));
    EXPECT_TRUE(near(done.pixel(90, 90), 204, 204, 204));
}

TEST_F(ViewDrawingTest, OutlandishValuesLeaveTheRestOfTheFrameIntactAndImpossibleSizesAreRefused) {
    double nan = std::nan("");
    double huge = std::numeric_limits<double>::infinity();
    auto odd = plain({0, 0, 50, 50}, Color::rgba(nan, huge, -huge, nan));
    odd->setCornerRadius(huge);
    odd->setContinuousCorners(true);
    odd->setBorderWidth(huge);
    odd->setBorderColor(Color::rgba(nan, nan, nan));
    odd->setTransform(kit::AffineTransform::scale(nan, 1));
    root->addSubview(odd);
    root->addSubview(plain({50, 50, 50, 50}, Color::rgba(0, 0, 1)));

    render::Surface surface = draw(*root);

    EXPECT_TRUE(near(surface.pixel(75, 75), 0, 0, 255));
    EXPECT_TRUE(near(surface.pixel(90, 10), 255, 255, 255));

    // A view too large or empty for an image is refused with a reason.
    auto empty = plain({0, 0, 0, 10}, Color::blackColor());
    auto vast = plain({0, 0, 40000, 10}, Color::blackColor());
    for (const auto& view : {empty, vast}) {
        foundation::Result<render::Surface> surface = render::Renderer(2).render(*view);
        ASSERT_FALSE(surface.ok());
        EXPECT_NE(surface.error().description.find("cannot be drawn"), std::string::npos);
    }
}

TEST_F(ViewDrawingTest, ViewsMeetingMidPixelLeaveNoSeamAndAHairlineStaysVisible) {
    // 28 cells across 333 points: one shared edge lands a rounding error short of a half.
    auto row = plain({0, 0, 340, 10}, Color::whiteColor());
    double width = 333.0 / 28;
    for (int cell = 0; cell < 28; ++cell) {
        row->addSubview(plain({cell * width, 0, width, 10}, Color::rgba(1, 0, 0)));
    }
    render::Surface cells = draw(*row, 2);
    EXPECT_EQ(inkCount(cells, 0, 10, 666, 11, render::Pixel{255, 0, 0, 255}), 0);
    EXPECT_EQ(cells.pixel(666, 10), white) << "no cell grows past its edge";

    auto hairline = plain({0, 60.4, 100, 0.3}, Color::blackColor());
    root->addSubview(hairline);
    EXPECT_EQ(inkCount(draw(*root, 2), 50, 115, 51, 130), 1);
    EXPECT_EQ(draw(*root, 2).pixel(50, 121), (render::Pixel{0, 0, 0, 255}));
    hairline->setCornerRadius(0.1);  // a rounded outline keeps its exact, softened edges
    EXPECT_GT(draw(*root, 2).pixel(50, 121).red, 0);
}

TEST_F(ViewDrawingTest, PngIsWrittenWholeOrNotAtAll) {
    testsupport::DeviceRoot folder;
    std::filesystem::path file = folder.hostRoot() / "frame.png";
    root->addSubview(plain({0, 0, 50, 50}, Color::rgba(1, 0, 0)));
    root->addSubview(plain({20, 75, 80, 25}, Color::rgba(0, 0.5, 1)));  // in a later band

    ASSERT_TRUE(render::Renderer(2).writePng(*root, file).ok());
    render::Surface reread(cairo_image_surface_create_from_png(file.c_str()));
    ASSERT_TRUE(reread.isValid());
    render::Surface drawn = draw(*root, 2);
    ASSERT_EQ(reread.width(), 200);
    ASSERT_EQ(reread.height(), 200);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(reread.pixel(x, y), drawn.pixel(x, y)) << x << ", " << y;
        }
    }
    auto glass = plain({0, 0, 4, 4}, Color::rgba(0, 0, 1, 0.5));
    ASSERT_TRUE(render::Renderer().writePng(*glass, file).ok());
    render::Surface translucent(cairo_image_surface_create_from_png(file.c_str()));
    render::Pixel pixel = translucent.pixel(1, 1);
    EXPECT_TRUE(pixel.blue == 255 && pixel.red == 0 && std::abs(pixel.alpha - 128) <= 1)
        << "straight, not premultiplied";

    std::filesystem::path unwritable = folder.hostRoot() / "missing" / "frame.png";
    foundation::Result<void> failed = render::Renderer().writePng(*root, unwritable);
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.error().description.find(unwritable.string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.hostRoot() / "missing"));
}

class OcclusionTest : public rendertest::RenderFixture {
  protected:
    std::shared_ptr<kit::View> add(const std::shared_ptr<kit::View>& parent, kit::Rect frame,
                                   Color color = Color::whiteColor()) {
        auto view = plain(frame, color);
        parent->addSubview(view);
        return view;
    }

    std::shared_ptr<kit::View> tall = plain({0, 0, 100, 200}, Color::whiteColor());
    std::shared_ptr<kit::View> screen = add(tall, {0, 0, 100, 200});
    std::shared_ptr<kit::View> bar = add(screen, {0, 150, 100, 50}, Color::rgba(0, 0, 1));
    std::shared_ptr<kit::View> title = add(screen, {0, 0, 100, 30}, Color::rgba(1, 0, 0));
};

TEST_F(OcclusionTest, OnlyWhatAnOpaqueViewDrawnLaterCoversWholeIsLeftOut) {
    auto sheet = add(tall, {0, 20, 100, 180});
    sheet->setCornerRadius(10);
    sheet->setMaskedCorners(kit::minXMinYCorner | kit::maxXMinYCorner);
    auto drawn = draw(*tall, 2);
    Occlusion occlusion = Occlusion::of(*tall, 2);
    EXPECT_TRUE(occlusion.isHidden(*bar)) << "under the sheet's band";
    EXPECT_FALSE(occlusion.isHidden(*title)) << "shows above the sheet";
    EXPECT_FALSE(occlusion.isHidden(*screen) || occlusion.isHidden(*sheet));
    EXPECT_TRUE(near(drawn.pixel(50, 390), 255, 255, 255)) << "the sheet, not the bar";

    bar->setFrame({0, 25, 100, 50});
    EXPECT_FALSE(Occlusion::of(*tall, 2).isHidden(*bar)) << "reaches into the rounded corners";
    bar->setFrame({0, 150, 100, 50});
    sheet->setAlpha(0.9);
    EXPECT_FALSE(Occlusion::of(*tall, 2).isHidden(*bar)) << "seen through a faded sheet";
    sheet->setAlpha(1);
    sheet->setBackgroundColor(Color::rgba(1, 1, 1, 0.9));
    EXPECT_FALSE(Occlusion::of(*tall, 2).isHidden(*bar)) << "seen through its background";
}

TEST_F(OcclusionTest, AViewABlurReadsIsDrawnEvenWhenCoveredLater) {
    bar->setFrame({0, 150, 100, 20});
    auto badge = add(screen, {0, 110, 100, 20});
    auto blur = kit::VisualEffectView::make(kit::BlurEffectStyle::systemMaterial);
    blur->setFrame({0, 140, 100, 60});
    tall->addSubview(blur);
    add(tall, {0, 100, 100, 80});
    Occlusion occlusion = Occlusion::of(*tall, 2);
    EXPECT_FALSE(occlusion.isHidden(*bar)) << "the blur between reads it";
    EXPECT_TRUE(occlusion.isHidden(*badge)) << "the blur reads none of it";
}

}  // namespace
