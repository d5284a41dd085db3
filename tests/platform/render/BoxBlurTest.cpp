#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "platform/render/BoxBlur.h"

namespace {

using Image = std::vector<std::uint32_t>;

Image pixelsOf(const render::Surface& surface) {
    cairo_surface_flush(surface.cairoSurface());
    const unsigned char* data = cairo_image_surface_get_data(surface.cairoSurface());
    int stride = cairo_image_surface_get_stride(surface.cairoSurface());
    Image pixels(surface.width() * surface.height());
    for (int y = 0; y < surface.height(); ++y) {
        std::memcpy(&pixels[y * surface.width()], data + y * stride, surface.width() * 4);
    }
    return pixels;
}

// The plain definition, one channel and one pixel at a time: the mean of the window with the
// edge pixels repeated beyond the edges, rounded to nearest; across, then down.
Image referenceBlur(const Image& pixels, int width, int height, int radius) {
    auto pass = [&](const Image& in, int dx, int dy) {
        Image out(in.size());
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                for (int channel = 0; channel < 4; ++channel) {
                    unsigned sum = 0;
                    for (int offset = -radius; offset <= radius; ++offset) {
                        int at = std::clamp(y + offset * dy, 0, height - 1) * width +
                                 std::clamp(x + offset * dx, 0, width - 1);
                        sum += (in[at] >> (channel * 8)) & 0xFF;
                    }
                    unsigned window = 2 * radius + 1;
                    out[y * width + x] |= ((sum + window / 2) / window) << (channel * 8);
                }
            }
        }
        return out;
    };
    return pass(pass(pixels, 1, 0), 0, 1);
}

TEST(BoxBlurTest, MatchesTheWindowMeanExactlyForRandomPremultipliedPixels) {
    std::mt19937 random(7);
    for (int radius : {1, 3, 8, 40}) {  // 40: wider than the image
        render::Surface surface(23, 17);
        cairo_surface_flush(surface.cairoSurface());
        unsigned char* data = cairo_image_surface_get_data(surface.cairoSurface());
        int stride = cairo_image_surface_get_stride(surface.cairoSurface());
        for (int at = 0; at < 23 * 17; ++at) {
            std::uint32_t alpha = random() % 256;
            std::uint32_t pixel = alpha << 24;
            for (int channel = 0; channel < 3; ++channel) {
                pixel |= (alpha == 0 ? 0 : random() % (alpha + 1)) << (channel * 8);
            }
            std::memcpy(data + at / 23 * stride + at % 23 * 4, &pixel, 4);
        }
        cairo_surface_mark_dirty(surface.cairoSurface());
        Image expected = referenceBlur(pixelsOf(surface), 23, 17, radius);

        render::BoxBlur::apply(surface, radius, 1);

        EXPECT_EQ(pixelsOf(surface), expected) << "radius " << radius;
    }
}

}  // namespace
