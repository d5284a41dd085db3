#pragma once

#include <cstddef>
#include <list>
#include <optional>

#include "platform/kit/Image.h"
#include "platform/render/Surface.h"

namespace render {

// Pictures decoded from image data, kept for the images drawn most recently, so that a
// thumbnail on screen is decoded once rather than on every frame. An entry holds a copy
// of its image, which shares and so keeps alive the bytes it was decoded from; an entry
// is found by those bytes' address, which therefore cannot be reused while it is cached.
class DecodedImageCache final {
  public:
    static constexpr std::size_t capacity = 16;

    static DecodedImageCache& shared();

    // The image's pixels, or nothing for data that is not a PNG that decodes.
    std::optional<Surface> pixels(const kit::Image& image);

  private:
    struct Entry {
        kit::Image image;
        std::optional<Surface> pixels;
    };
    std::list<Entry> entries_;  // most recently drawn first
};

}  // namespace render
