#include <memory>

#include "platform/kit/VisualEffectView.h"
#include "platform/render/Occlusion.h"
#include "tests/platform/render/RenderFixture.h"

using kit::Color;
using render::Occlusion;

namespace {

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
