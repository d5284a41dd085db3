#include "platform/render/DecodedImageCache.h"

#include <cairo.h>

#include <cstring>

namespace render {

namespace {

struct ByteReader {
    const std::string* bytes;
    std::size_t offset = 0;
};

cairo_status_t readBytes(void* closure, unsigned char* data, unsigned int length) {
    auto* reader = static_cast<ByteReader*>(closure);
    if (reader->bytes->size() - reader->offset < length) {
        return CAIRO_STATUS_READ_ERROR;
    }
    std::memcpy(data, reader->bytes->data() + reader->offset, length);
    reader->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

std::optional<Surface> decode(const kit::Image& image) {
    if (image.format() != kit::Image::Format::png) {
        return std::nullopt;
    }
    ByteReader reader{&image.data()};
    Surface decoded(cairo_image_surface_create_from_png_stream(readBytes, &reader));
    return decoded.isValid() ? std::optional<Surface>(decoded) : std::nullopt;
}

}  // namespace

DecodedImageCache& DecodedImageCache::shared() {
    static DecodedImageCache cache;
    return cache;
}

std::optional<Surface> DecodedImageCache::pixels(const kit::Image& image) {
    const std::string* bytes = &image.data();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (&it->image.data() == bytes) {
            entries_.splice(entries_.begin(), entries_, it);
            return entries_.front().pixels;
        }
    }
    entries_.push_front({image, decode(image)});
    if (entries_.size() > capacity) {
        entries_.pop_back();
    }
    return entries_.front().pixels;
}

}  // namespace render
