#include "platform/kit/Image.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kit {

namespace {

struct PixelSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t index = 0; index < count; ++index) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + index]);
    }
    return value;
}

bool acceptable(PixelSize size) {
    return size.width > 0 && size.height > 0 &&
           static_cast<double>(size.width) * size.height <= Image::maximumPixelCount;
}

constexpr std::string_view pngSignature{"\x89PNG\r\n\x1a\n", 8};

// The header alone, so that a picture claiming billions of pixels is refused unread.
std::optional<PixelSize> pngHeaderSize(std::string_view bytes) {
    if (bytes.size() < 24 || bytes.substr(0, 8) != pngSignature || bytes.substr(12, 4) != "IHDR") {
        return std::nullopt;
    }
    return PixelSize{bigEndian(bytes, 16, 4), bigEndian(bytes, 20, 4)};
}

struct PngReader {
    std::string_view bytes;
    std::size_t offset = 0;
};

cairo_status_t readPng(void* closure, unsigned char* data, unsigned int length) {
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->bytes.size() - reader->offset < length) {
        return CAIRO_STATUS_READ_ERROR;
    }
    std::memcpy(data, reader->bytes.data() + reader->offset, length);
    reader->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

// Decodes the whole picture: a PNG that is cut short or corrupt gives nothing.
bool pngDecodes(std::string_view bytes, PixelSize expected) {
    PngReader reader{bytes};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readPng, &reader);
    bool decoded =
        cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
        static_cast<std::uint32_t>(cairo_image_surface_get_width(surface)) == expected.width &&
        static_cast<std::uint32_t>(cairo_image_surface_get_height(surface)) == expected.height;
    cairo_surface_destroy(surface);
    return decoded;
}

bool isStartOfFrame(unsigned char marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the marker segments up to the frame header, which holds the picture's size.
std::optional<PixelSize> jpegFrameSize(std::string_view bytes) {
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8) {
        return std::nullopt;
    }
    std::size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) != 0xFF) {
            return std::nullopt;
        }
        auto marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker == 0xFF) {
            ++at;  // fill byte before a marker
            continue;
        }
        std::size_t length = bigEndian(bytes, at + 2, 2);
        if (length < 2 || at + 2 + length > bytes.size()) {
            return std::nullopt;
        }
        if (isStartOfFrame(marker)) {
            return length < 7 ? std::nullopt
                              : std::optional<PixelSize>(PixelSize{bigEndian(bytes, at + 7, 2),
                                                                   bigEndian(bytes, at + 5, 2)});
        }
        at += 2 + length;
    }
    return std::nullopt;
}

bool isSymbolName(std::string_view name) {
    auto allowed = [](char character) {
        return (character >= 'a' && character <= 'z') || (character >= '0' && character <= '9') ||
               character == '.';
    };
    return !name.empty() && name.front() != '.' && name.back() != '.' &&
           std::all_of(name.begin(), name.end(), allowed);
}

bool isAssetName(std::string_view name) {
    auto allowed = [](char character) {
        return static_cast<unsigned char>(character) >= 0x20 && character != '/' &&
               character != 0x7F;
    };
    return !name.empty() && name != "." && name != ".." &&
           std::all_of(name.begin(), name.end(), allowed);
}

}  // namespace

Image::Image(Kind kind, std::string name, Size size)
    : kind_(kind), name_(std::move(name)), size_(size) {}

static Image::Resolver& installedResolver() {
    static Image::Resolver resolver;
    return resolver;
}

Image::Resolver Image::setResolver(Resolver resolver) {
    std::swap(resolver, installedResolver());
    return resolver;
}

std::optional<Image> Image::systemImageNamed(std::string_view name,
                                             ImageSymbolConfiguration configuration) {
    const auto& hasSymbol = installedResolver().hasSymbol;
    if (!isSymbolName(name) || (hasSymbol && !hasSymbol(name))) {
        return std::nullopt;
    }
    // Our symbols are square glyphs one em wide, so the point size is the image's size.
    Image image(Kind::symbol, std::string(name),
                Size{configuration.pointSize, configuration.pointSize});
    image.configuration_ = configuration;
    return image;
}

std::optional<Image> Image::imageNamed(std::string_view name) {
    if (!isAssetName(name)) {
        return std::nullopt;
    }
    const auto& assetSize = installedResolver().assetSize;
    if (!assetSize) {
        return Image(Kind::asset, std::string(name), Size{});
    }
    auto size = assetSize(name);
    if (!size) {
        return std::nullopt;
    }
    return Image(Kind::asset, std::string(name), *size);
}

std::optional<Image> Image::imageWithData(std::string_view bytes) {
    Format format = Format::png;
    std::optional<PixelSize> pixels = pngHeaderSize(bytes);
    if (!pixels) {
        format = Format::jpeg;
        pixels = jpegFrameSize(bytes);
    }
    if (!pixels || !acceptable(*pixels)) {
        return std::nullopt;
    }
    // FIXME: JPEG pixels are not decoded: none of our libraries decodes JPEG, so such an
    // image keeps its bytes and the size from its frame header until the renderer needs more.
    if (format == Format::png && !pngDecodes(bytes, *pixels)) {
        return std::nullopt;
    }
    Image image(Kind::data, std::string(), Size{double(pixels->width), double(pixels->height)});
    image.format_ = format;
    image.data_ = std::make_shared<const std::string>(bytes);
    return image;
}

Image Image::imageWithTintColor(const Color& color) const {
    Image tinted = *this;
    tinted.tintColor_ = color;
    return tinted;
}

const std::string& Image::data() const {
    static const std::string none;
    return data_ ? *data_ : none;
}

bool Image::operator==(const Image& other) const {
    return kind_ == other.kind_ && name_ == other.name_ && configuration_ == other.configuration_ &&
           format_ == other.format_ && size_ == other.size_ && tintColor_ == other.tintColor_ &&
           data() == other.data();
}

}  // namespace kit
