#pragma once

#include <cairo.h>

#include <string>

namespace kittest {

inline cairo_status_t appendPngBytes(void* closure, const unsigned char* data,
                                     unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// A real PNG written by Cairo, so the reader is checked against an independent writer.
inline std::string pngBytes(int width, int height) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    std::string bytes;
    cairo_surface_write_to_png_stream(surface, appendPngBytes, &bytes);
    cairo_surface_destroy(surface);
    return bytes;
}

}  // namespace kittest
