#include <memory>
#include <string>

#include "platform/kit/ImageView.h"
#include "platform/render/AssetLoader.h"
#include "platform/render/DecodedImageCache.h"
#include "tests/platform/render/RenderFixture.h"

using kit::Color;
using rendertest::white;

namespace {

class ImageDrawingTest : public rendertest::RenderFixture {
  protected:
    // A PNG of `width` × `height` opaque red pixels.
    std::string redPng(int width, int height) const {
        auto picture = plain({0, 0, double(width), double(height)}, Color::rgba(1, 0, 0));
        EXPECT_TRUE(render::Renderer().writePng(*picture, folder.host("/red.png")).ok());
        return folder.read("/red.png");
    }

    testsupport::DeviceRoot folder;
};

TEST_F(ImageDrawingTest, AssetsAreFoundAtTheirSizeInPointsAtEitherScale) {
    render::AssetLoader& loader = render::AssetLoader::shared();
    for (const char* name : {"kelvora", "colour-wheel", "telegram"}) {
        auto one = loader.load(name, 1);
        auto two = loader.load(name, 2);
        ASSERT_TRUE(one && two) << name;
        EXPECT_EQ(one->size, two->size) << name;
        EXPECT_EQ(two->pixels.width(), 2 * one->pixels.width()) << name;
        EXPECT_EQ(loader.size(name), one->size);
    }
    for (const char* hostile :
         {"", ".", "..", "../symbols", "assets/kelvora", "kelvora\\x", "missing"}) {
        EXPECT_FALSE(loader.load(hostile, 2)) << hostile;
    }
}

TEST_F(ImageDrawingTest, DataImageIsDecodedAndPlacedByTheContentModeInItsTint) {
    auto image = kit::Image::imageWithData(redPng(40, 20));
    ASSERT_TRUE(image);
    auto view = std::make_shared<kit::ImageView>(image);
    view->setFrame({0, 0, 100, 100});
    view->setContentMode(kit::ContentMode::scaleAspectFit);
    root->addSubview(view);

    render::Surface fitted = draw(*root);
    EXPECT_EQ(fitted.pixel(50, 20), white);  // a 2:1 picture fitted leaves bands
    EXPECT_TRUE(near(fitted.pixel(50, 30), 255, 0, 0));

    view->setContentMode(kit::ContentMode::center);
    render::Surface centred = draw(*root);
    EXPECT_TRUE(near(centred.pixel(31, 41), 255, 0, 0));
    EXPECT_EQ(centred.pixel(29, 50), white);

    view->setContentMode(kit::ContentMode::scaleAspectFill);
    view->setClipsToBounds(true);
    render::Surface filled = draw(*root);
    EXPECT_TRUE(near(filled.pixel(1, 1), 255, 0, 0));

    view->setImage(image->imageWithTintColor(Color::rgba(0, 0, 1)));
    EXPECT_TRUE(near(draw(*root).pixel(50, 50), 0, 0, 255)) << "a tinted image, in the tint";
}

TEST_F(ImageDrawingTest, DecodedPicturesAreKeptPerImageAndNeverConfusedWithANewOne) {
    render::DecodedImageCache& cache = render::DecodedImageCache::shared();
    auto image = kit::Image::imageWithData(redPng(8, 8));
    ASSERT_TRUE(image);
    auto first = cache.pixels(*image);
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.pixels(kit::Image(*image))->cairoSurface(), first->cairoSurface());

    // Freed images cannot hand their address to a new picture while they are cached.
    for (int size = 1; size <= int(render::DecodedImageCache::capacity) + 4; ++size) {
        auto other = kit::Image::imageWithData(redPng(size, 3));
        ASSERT_TRUE(other && cache.pixels(*other));
        EXPECT_EQ(cache.pixels(*other)->width(), size);
    }
    EXPECT_NE(cache.pixels(*image)->cairoSurface(), first->cairoSurface());  // evicted
    // JPEG keeps its bytes but has no decoder: no pixels, and no crash.
    auto jpeg = kit::Image::imageWithData(
        std::string("\xFF\xD8\xFF\xC0\x00\x0B\x08\x00\x02\x00\x02\x01\x01\x11\x00", 15));
    ASSERT_TRUE(jpeg);
    EXPECT_FALSE(cache.pixels(*jpeg));
}

}  // namespace
