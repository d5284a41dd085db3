#include "platform/render/BoxBlur.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace render {

namespace {

// A pixel's four channels spread into 16-bit lanes of one word, so that a running sum adds
// and takes away all four at once: no lane can carry into the next while the window holds
// at most 257 pixels of 255.
std::uint64_t spread(std::uint32_t pixel) {
    std::uint64_t wide = pixel;
    return (wide & 0xFF) | ((wide & 0xFF00) << 8) | ((wide & 0xFF0000) << 16) |
           ((wide & 0xFF000000) << 24);
}

// One pass over `count` pixels `step` words apart, through a running sum over a window of
// 2 * radius + 1 pixels, the edge pixels standing in for those beyond the edge. The line is
// copied out, spread, with those stand-ins around it, and each lane's mean, rounded to the
// nearest, is read from a table: frames blur every bar.
void blurLine(std::uint32_t* line, int count, int step, int radius,
              const std::vector<std::uint8_t>& mean, std::vector<std::uint64_t>& padded) {
    const auto side = static_cast<std::size_t>(radius);
    const auto length = static_cast<std::size_t>(count);
    padded.resize(length + 2 * side + 1);
    std::fill_n(padded.begin(), side, spread(line[0]));
    for (std::size_t index = 0; index < length; ++index) {
        padded[side + index] = spread(line[static_cast<std::ptrdiff_t>(index) * step]);
    }
    std::fill(padded.begin() + static_cast<std::ptrdiff_t>(side + length), padded.end(),
              spread(line[static_cast<std::ptrdiff_t>(count - 1) * step]));
    const std::size_t window = 2 * side + 1;
    std::uint64_t sum = 0;
    for (std::size_t index = 0; index < window; ++index) {
        sum += padded[index];
    }
    for (std::size_t index = 0; index < length; ++index) {
        line[static_cast<std::ptrdiff_t>(index) * step] =
            static_cast<std::uint32_t>(mean[sum & 0xFFFF]) |
            static_cast<std::uint32_t>(mean[(sum >> 16) & 0xFFFF]) << 8 |
            static_cast<std::uint32_t>(mean[(sum >> 32) & 0xFFFF]) << 16 |
            static_cast<std::uint32_t>(mean[sum >> 48]) << 24;
        sum = sum + padded[index + window] - padded[index];
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
    radius = std::min(radius, 128);
    const int window = 2 * radius + 1;
    std::vector<std::uint8_t> mean(static_cast<std::size_t>(255 * window + 1));
    for (std::size_t sum = 0; sum < mean.size(); ++sum) {
        mean[sum] = static_cast<std::uint8_t>((sum + static_cast<std::size_t>(window) / 2) /
                                              static_cast<std::size_t>(window));
    }
    std::vector<std::uint64_t> copy;
    for (int pass = 0; pass < passes; ++pass) {
        for (int row = 0; row < height; ++row) {
            blurLine(data + static_cast<std::ptrdiff_t>(row) * stride, width, 1, radius, mean,
                     copy);
        }
        for (int column = 0; column < width; ++column) {
            blurLine(data + column, height, stride, radius, mean, copy);
        }
    }
    cairo_surface_mark_dirty(pixels);
}

}  // namespace render
