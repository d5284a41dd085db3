#include "platform/render/BoxBlur.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace render {

namespace {

// One pass over `count` pixels `step` words apart, through a running sum over a window
// of 2 * radius + 1 pixels, the edge pixels standing in for those beyond the edge.
void blurLine(std::uint32_t* line, int count, int step, int radius,
              std::vector<std::uint32_t>& copy) {
    copy.resize(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        copy[static_cast<std::size_t>(index)] = line[static_cast<std::ptrdiff_t>(index) * step];
    }
    auto at = [&](int index) {
        return copy[static_cast<std::size_t>(std::clamp(index, 0, count - 1))];
    };
    const std::uint32_t window = static_cast<std::uint32_t>(2 * radius + 1);
    std::uint32_t sums[4] = {};
    for (int index = -radius; index <= radius; ++index) {
        for (int channel = 0; channel < 4; ++channel) {
            sums[channel] += (at(index) >> (channel * 8)) & 0xFF;
        }
    }
    for (int index = 0; index < count; ++index) {
        std::uint32_t pixel = 0;
        for (int channel = 0; channel < 4; ++channel) {
            pixel |= ((sums[channel] + window / 2) / window) << (channel * 8);
            sums[channel] += ((at(index + radius + 1) >> (channel * 8)) & 0xFF);
            sums[channel] -= ((at(index - radius) >> (channel * 8)) & 0xFF);
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
