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
// and need no division. An opaque image goes without its alpha channel, a quarter less to
// compress.
void straightRow(const unsigned char* source, int width, bool opaque, unsigned char* row) {
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
        *row++ = straight((argb >> 16) & 0xFF);
        *row++ = straight((argb >> 8) & 0xFF);
        *row++ = straight(argb & 0xFF);
        if (!opaque) {
            *row++ = static_cast<unsigned char>(alpha);
        }
    }
}

bool isOpaque(const unsigned char* data, int width, int height, int stride) {
    for (int y = 0; y < height; ++y) {
        const unsigned char* pixel = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x, pixel += 4) {
            std::uint32_t argb = 0;
            std::memcpy(&argb, pixel, 4);
            if (argb >> 24 != 255) {
                return false;
            }
        }
    }
    return true;
}

// libpng reports failures by a long jump back here, so nothing here needs destroying but
// the encoder itself; the row buffer belongs to the caller.
bool encode(std::FILE* file, const unsigned char* data, int width, int height, int stride,
            bool opaque, unsigned char* row) {
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
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        straightRow(data + static_cast<std::ptrdiff_t>(y) * stride, width, opaque, row);
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
    const unsigned char* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    bool opaque = isOpaque(data, width, height, stride);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 4);
    return encode(file, data, width, height, stride, opaque, row.data()) &&
           std::fflush(file) == 0 && !std::ferror(file);
}

}  // namespace render
