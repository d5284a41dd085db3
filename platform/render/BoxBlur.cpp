#include "platform/render/BoxBlur.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace render {

namespace {

// One pass over `count` pixels `step` words apart, through a running sum over a window of
// 2 * radius + 1 pixels, the edge pixels standing in for those beyond the edge. The line is
// copied out with those stand-ins around it, and the divide by the window is a multiply by
// its reciprocal rounded up, which is exact for sums this small: frames blur every bar.
void blurLine(std::uint32_t* line, int count, int step, int radius,
              std::vector<std::uint32_t>& padded) {
    const auto side = static_cast<std::size_t>(radius);
    const auto length = static_cast<std::size_t>(count);
    padded.resize(length + 2 * side + 1);
    std::fill_n(padded.begin(), side, line[0]);
    for (std::size_t index = 0; index < length; ++index) {
        padded[side + index] = line[static_cast<std::ptrdiff_t>(index) * step];
    }
    std::fill(padded.begin() + static_cast<std::ptrdiff_t>(side + length), padded.end(),
              line[static_cast<std::ptrdiff_t>(count - 1) * step]);
    const std::uint64_t window = 2 * side + 1;
    const std::uint64_t reciprocal = ((std::uint64_t{1} << 32) + window - 1) / window;
    std::uint64_t sums[4] = {};
    for (std::size_t index = 0; index < window; ++index) {
        for (int channel = 0; channel < 4; ++channel) {
            sums[channel] += (padded[index] >> (channel * 8)) & 0xFF;
        }
    }
    for (std::size_t index = 0; index < length; ++index) {
        std::uint32_t pixel = 0;
        std::uint32_t entering = padded[index + window];
        std::uint32_t leaving = padded[index];
        for (int channel = 0; channel < 4; ++channel) {
            auto average = ((sums[channel] + window / 2) * reciprocal) >> 32;
            pixel |= static_cast<std::uint32_t>(average) << (channel * 8);
            sums[channel] += (entering >> (channel * 8)) & 0xFF;
            sums[channel] -= (leaving >> (channel * 8)) & 0xFF;
        }
        line[static_cast<std::ptrdiff_t>(index) * step] = pixel;
    }
}

}  // namespace

void BoxBlur::apply(Surface& surface, int radius, int passes) {
    if (!surface.isValid() || radius <= 0 || passes <= 0) {
        return;
    }
    cairo_surface_t* pixels = surface.cairoSurface();
    cairo_surface_flush(pixels);
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(pixels));
    int stride = cairo_image_surface_get_stride(pixels) / 4;
    int width = surface.width();
    int height = surface.height();
    std::vector<std::uint32_t> copy;
    for (int pass = 0; pass < passes; ++pass) {
        for (int row = 0; row < height; ++row) {
            blurLine(data + static_cast<std::ptrdiff_t>(row) * stride, width, 1, radius, copy);
        }
        for (int column = 0; column < width; ++column) {
            blurLine(data + column, height, stride, radius, copy);
        }
    }
    cairo_surface_mark_dirty(pixels);
}

}  // namespace render
