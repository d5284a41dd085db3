#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/foundation/Result.h"

using cairo_surface_t = struct _cairo_surface;

namespace render {

// One pixel as it would be shown: 0...255 per channel, not premultiplied.
struct Pixel {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;
    bool operator==(const Pixel&) const = default;
};

// An ARGB image in device pixels that owns its Cairo surface. Copies share the surface.
class Surface final {
  public:
    // A cleared image; a size that is not positive or that Cairo refuses gives an
    // invalid surface, which reads as transparent and writes no file.
    Surface(int width, int height);
    // Takes over `surface` (one reference).
    explicit Surface(cairo_surface_t* surface);

    bool isValid() const;
    int width() const;
    int height() const;
    cairo_surface_t* cairoSurface() const { return surface_.get(); }

    // Transparent outside the image.
    Pixel pixel(int x, int y) const;

    foundation::Result<void> writePng(const std::filesystem::path& path) const;

  private:
    std::shared_ptr<cairo_surface_t> surface_;
};

}  // namespace render
