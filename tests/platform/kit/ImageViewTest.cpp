#include "platform/kit/ImageView.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/platform/kit/KitScreen.h"
#include "tests/platform/kit/TestImages.h"

namespace {

using kit::ContentMode;
using kit::ImageView;
using kit::Rect;

kit::Image widePicture() {
    return *kit::Image::imageWithData(kittest::pngBytes(40, 20));
}

TEST(ImageView, ContentModesPlaceTheImageByItsAspect) {
    auto view = std::make_shared<ImageView>(widePicture());
    view->setFrame(Rect(0, 0, 100, 40));

    view->setContentMode(ContentMode::scaleAspectFit);
    EXPECT_EQ(view->imageRect(), Rect(10, 0, 80, 40)) << "whole, centred, as large as fits";

    view->setContentMode(ContentMode::scaleAspectFill);
    EXPECT_EQ(view->imageRect(), Rect(0, -5, 100, 50)) << "covers the bounds, centred";

    view->setContentMode(ContentMode::center);
    EXPECT_EQ(view->imageRect(), Rect(30, 10, 40, 20)) << "its own size, centred";

    view->setContentMode(ContentMode::scaleToFill);
    EXPECT_EQ(view->imageRect(), view->bounds());
}

TEST(ImageView, IntrinsicSizeIsTheImageSize) {
    ImageView view;
    EXPECT_EQ(view.intrinsicContentSize().width, kit::View::noIntrinsicMetric);
    view.setImage(widePicture());
    EXPECT_EQ(view.intrinsicContentSize(), (kit::Size{40, 20}));
    view.setImage(kit::Image::imageNamed("colour-wheel"));
    EXPECT_EQ(view.intrinsicContentSize().width, kit::View::noIntrinsicMetric)
        << "an asset of unknown size does not force a size of zero";
}

TEST(ImageView, SymbolsTakeTheInheritedTintUnlessTheyCarryTheirOwn) {
    kittest::KitScreen screen;
    screen.root->setTintColor(kit::Color::systemIndigoColor());
    auto view = std::make_shared<ImageView>(kit::Image::systemImageNamed("doc.plaintext"));
    screen.root->addSubview(view);
    EXPECT_EQ(view->imageColor(), kit::Color::systemIndigoColor());
    view->setTintColor(kit::Color::systemRedColor());
    EXPECT_EQ(view->imageColor(), kit::Color::systemRedColor());
    view->setImage(view->image()->imageWithTintColor(kit::Color::whiteColor()));
    EXPECT_EQ(view->imageColor(), kit::Color::whiteColor());
    view->setImage(std::nullopt);
    EXPECT_FALSE(view->imageColor());
}

}  // namespace
