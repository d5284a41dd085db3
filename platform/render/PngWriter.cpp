#include "platform/render/PngWriter.h"

#include <cairo.h>
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <vector>

namespace render {

namespace {

// Cairo keeps premultiplied pixels; PNG wants them straight. Most pixels of a frame are opaque
// and need no division.
void straightRow(const unsigned char* source, int width, unsigned char* row) {
    for (int x = 0; x < width; ++x) {
        std::uint32_t argb = 0;
        std::memcpy(&argb, source + 4 * x, 4);
        std::uint32_t alpha = argb >> 24;
        auto straight = [alpha](std::uint32_t channel) {
            if (alpha == 255) {
                return static_cast<unsigned char>(channel);
            }
            return static_cast<unsigned char>(alpha == 0 ? 0 : (channel * 255 + alpha / 2) / alpha);
        };
        row[4 * x] = straight((argb >> 16) & 0xFF);
        row[4 * x + 1] = straight((argb >> 8) & 0xFF);
        row[4 * x + 2] = straight(argb & 0xFF);
        row[4 * x + 3] = static_cast<unsigned char>(alpha);
    }
}

// libpng reports failures by a long jump back here, so nothing here needs destroying but
// the encoder itself; the row buffer belongs to the caller.
bool encode(std::FILE* file, const unsigned char* data, int width, int height, int stride,
            unsigned char* row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        straightRow(data + static_cast<std::ptrdiff_t>(y) * stride, width, row);
        png_write_row(png, row);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool PngWriter::write(cairo_surface_t* image, std::FILE* file) {
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS ||
        cairo_image_surface_get_format(image) != CAIRO_FORMAT_ARGB32) {
        return false;
    }
    cairo_surface_flush(image);
    int width = cairo_image_surface_get_width(image);
    int height = cairo_image_surface_get_height(image);
    if (width <= 0 || height <= 0) {
        return false;
    }
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 4);
    return encode(file, cairo_image_surface_get_data(image), width, height,
                  cairo_image_surface_get_stride(image), row.data()) &&
           std::fflush(file) == 0 && !std::ferror(file);
}

}  // namespace render
