#include "platform/render/Surface.h"

#include <cairo.h>

#include <cstdio>
#include <cstring>

#include "platform/render/PngWriter.h"

namespace render {

namespace {

std::uint8_t unpremultiplied(std::uint32_t channel, std::uint32_t alpha) {
    return alpha == 0 ? 0 : static_cast<std::uint8_t>((channel * 255 + alpha / 2) / alpha);
}

}  // namespace

Surface::Surface(int width, int height)
    : Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width > 0 ? width : 0,
                                         height > 0 ? height : 0)) {}

Surface::Surface(cairo_surface_t* surface) : surface_(surface, cairo_surface_destroy) {}

bool Surface::isValid() const {
    return surface_ && cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS &&
           width() > 0 && height() > 0;
}

int Surface::width() const {
    return cairo_image_surface_get_width(surface_.get());
}

int Surface::height() const {
    return cairo_image_surface_get_height(surface_.get());
}

Pixel Surface::pixel(int x, int y) const {
    if (!isValid() || x < 0 || y < 0 || x >= width() || y >= height()) {
        return {};
    }
    cairo_surface_flush(surface_.get());
    const unsigned char* row =
        cairo_image_surface_get_data(surface_.get()) +
        static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_.get());
    std::uint32_t argb = 0;
    std::memcpy(&argb, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof argb);
    std::uint32_t alpha = argb >> 24;
    return {unpremultiplied((argb >> 16) & 0xFF, alpha), unpremultiplied((argb >> 8) & 0xFF, alpha),
            unpremultiplied(argb & 0xFF, alpha), static_cast<std::uint8_t>(alpha)};
}

// Written beside the target and renamed over it, so a reader never sees half a picture.
foundation::Result<void> Surface::writePng(const std::filesystem::path& path) const {
    if (!isValid()) {
        return foundation::Error{"There is no picture to write to \"" + path.string() + "\"."};
    }
    std::filesystem::path temporary = path;
    temporary += ".partial";
    bool written = false;
    if (std::FILE* file = std::fopen(temporary.c_str(), "wb")) {
        written = PngWriter::write(surface_.get(), file);
        written = std::fclose(file) == 0 && written;
    }
    std::error_code error;
    if (written) {
        std::filesystem::rename(temporary, path, error);
    }
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return foundation::Error{"The picture could not be written to \"" + path.string() + "\"."};
    }
    return {};
}

}  // namespace render
