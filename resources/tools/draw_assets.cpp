// Draws the app's picture assets at 1x and 2x into the folder given as the only argument
// (resources/assets): the app icon "kelvora", the hue wheel "colour-wheel" and the picture of
// the settings screen's message row, "telegram" (a speech bubble of our own). Run by
// `make assets`; the PNGs it writes are committed, so building the app never needs it.

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>

#include "platform/kit/View.h"
#include "platform/render/RoundedPath.h"

namespace {

constexpr double iconSize = 60;
constexpr double wheelSize = 30;
constexpr double messageSize = 60;

// Three cards fanned out from a common corner: a set of settings kept as snapshots.
void drawCards(cairo_t* cairo, double size) {
    const double width = size * 0.42;
    const double height = size * 0.52;
    const double alphas[3] = {0.45, 0.7, 1.0};
    const double angles[3] = {-0.36, -0.12, 0.12};
    for (int card = 0; card < 3; ++card) {
        cairo_save(cairo);
        cairo_translate(cairo, size * 0.5, size * 0.78);
        cairo_rotate(cairo, angles[card]);
        cairo_new_path(cairo);
        render::RoundedPath::add(cairo, {-width / 2, -height, width, height}, size * 0.07,
                                 kit::allCorners, true);
        cairo_set_source_rgba(cairo, 1, 1, 1, alphas[card]);
        cairo_fill(cairo);
        cairo_restore(cairo);
    }
    // A tick on the front card: the snapshot that is restored.
    cairo_save(cairo);
    cairo_translate(cairo, size * 0.5, size * 0.78);
    cairo_rotate(cairo, angles[2]);
    cairo_set_line_width(cairo, size * 0.05);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cairo, -width * 0.24, -height * 0.5);
    cairo_line_to(cairo, -width * 0.04, -height * 0.32);
    cairo_line_to(cairo, width * 0.26, -height * 0.7);
    cairo_set_source_rgb(cairo, 0.16, 0.36, 0.78);
    cairo_stroke(cairo);
    cairo_restore(cairo);
}

void fillGradientSquare(cairo_t* cairo, double size, const double from[3], const double to[3]) {
    cairo_new_path(cairo);
    render::RoundedPath::add(cairo, {0, 0, size, size}, size * 0.225, kit::allCorners, true);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, size, size);
    cairo_pattern_add_color_stop_rgb(gradient, 0, from[0], from[1], from[2]);
    cairo_pattern_add_color_stop_rgb(gradient, 1, to[0], to[1], to[2]);
    cairo_set_source(cairo, gradient);
    cairo_fill(cairo);
    cairo_pattern_destroy(gradient);
}

void drawIcon(cairo_t* cairo, double size) {
    const double blue[3] = {0.25, 0.62, 0.98};
    const double violet[3] = {0.29, 0.25, 0.84};
    fillGradientSquare(cairo, size, blue, violet);
    drawCards(cairo, size);
}

// A white speech bubble with its tail at the lower left and three dots of typing: a message
// to the developer. The row crops the picture to its own rounded square, which lies outside
// the corners drawn here.
void drawMessage(cairo_t* cairo, double size) {
    const double blue[3] = {0.16, 0.47, 0.96};
    const double teal[3] = {0.11, 0.76, 0.74};
    fillGradientSquare(cairo, size, blue, teal);
    const double centreX = size * 0.5;
    const double centreY = size * 0.46;
    cairo_save(cairo);
    cairo_translate(cairo, centreX, centreY);
    cairo_scale(cairo, size * 0.32, size * 0.25);
    cairo_new_path(cairo);
    cairo_arc(cairo, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cairo);
    cairo_move_to(cairo, size * 0.30, size * 0.58);
    cairo_curve_to(cairo, size * 0.30, size * 0.68, size * 0.26, size * 0.74, size * 0.19,
                   size * 0.79);
    cairo_curve_to(cairo, size * 0.30, size * 0.79, size * 0.38, size * 0.75, size * 0.45,
                   size * 0.69);
    cairo_close_path(cairo);
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_fill(cairo);
    for (int dot = -1; dot <= 1; ++dot) {
        cairo_new_path(cairo);
        cairo_arc(cairo, centreX + dot * size * 0.14, centreY, size * 0.045, 0,
                  2 * std::numbers::pi);
        cairo_set_source_rgb(cairo, 0.14, 0.58, 0.88);
        cairo_fill(cairo);
    }
}

// Hue round the circle, red at the top going clockwise; white at the centre, so every
// colour of the picker has a place on it.
std::uint32_t wheelPixel(double x, double y, double radius) {
    double distance = std::hypot(x, y);
    double coverage = std::clamp(radius - distance + 0.5, 0.0, 1.0);
    double hue = std::fmod(std::atan2(x, -y) / (2 * std::numbers::pi) + 1, 1) * 6;
    double saturation = std::min(distance / radius, 1.0);
    double channel[3];
    for (int index = 0; index < 3; ++index) {
        double offset = std::fmod(hue + (index == 0 ? 0 : index == 1 ? 4 : 2), 6);
        double pure = std::clamp(std::abs(offset - 3) - 1, 0.0, 1.0);
        channel[index] = 1 - saturation * (1 - pure);
    }
    auto byte = [coverage](double value) {
        return static_cast<std::uint32_t>(std::lround(value * coverage * 255));
    };
    return byte(1) << 24 | byte(channel[0]) << 16 | byte(channel[1]) << 8 | byte(channel[2]);
}

// Pixel by pixel into the whole target, so every colour is exact rather than a gradient's.
void drawWheel(cairo_t* cairo, double) {
    cairo_surface_t* surface = cairo_get_target(cairo);
    cairo_surface_flush(surface);
    int width = cairo_image_surface_get_width(surface);
    int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    double radius = width / 2.0;
    for (int row = 0; row < width; ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(data + row * stride);
        for (int column = 0; column < width; ++column) {
            line[column] = wheelPixel(column + 0.5 - radius, row + 0.5 - radius, radius);
        }
    }
    cairo_surface_mark_dirty(surface);
}

using Drawing = std::function<void(cairo_t* cairo, double size)>;

bool write(const std::filesystem::path& folder, const std::string& name, double points, int scale,
           const Drawing& drawing) {
    int pixels = static_cast<int>(points * scale);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixels, pixels);
    cairo_t* cairo = cairo_create(surface);
    cairo_scale(cairo, scale, scale);
    drawing(cairo, points);
    cairo_destroy(cairo);
    std::string file = name + (scale == 2 ? "@2x.png" : ".png");
    bool written =
        cairo_surface_write_to_png(surface, (folder / file).c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!written) {
        std::fprintf(stderr, "draw_assets: could not write %s\n", (folder / file).c_str());
    }
    return written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_assets <assets folder>\n");
        return 2;
    }
    std::filesystem::path folder = argv[1];
    bool ok = true;
    for (int scale = 1; scale <= 2; ++scale) {
        ok = write(folder, "kelvora", iconSize, scale, drawIcon) && ok;
        ok = write(folder, "colour-wheel", wheelSize, scale, drawWheel) && ok;
        ok = write(folder, "telegram", messageSize, scale, drawMessage) && ok;
    }
    return ok ? 0 : 1;
}
