#include "platform/render/PngWriter.h"

#include <cairo.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

namespace render {

namespace {

struct Pixels {
    const unsigned char* data = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    bool opaque = true;

    std::size_t scanlineBytes() const {
        return 1 + static_cast<std::size_t>(width) * (opaque ? 3 : 4);
    }
};

// One band of rows, compressed on its own.
struct Band {
    std::vector<unsigned char> deflated;
    uLong adler = 1;
    uLong length = 0;
    bool ok = false;
};

// An opaque image goes without its alpha channel, a quarter less to compress.
void opaqueRow(const unsigned char* source, int width, unsigned char* row) {
    for (int x = 0; x < width; ++x, row += 3) {
        std::uint32_t argb = 0;
        std::memcpy(&argb, source + 4 * x, 4);
        row[0] = static_cast<unsigned char>(argb >> 16);
        row[1] = static_cast<unsigned char>(argb >> 8);
        row[2] = static_cast<unsigned char>(argb);
    }
}

// Cairo keeps premultiplied pixels; PNG wants them straight. Most pixels of a frame are opaque
// and need no division.
void straightRow(const unsigned char* source, int width, bool opaque, unsigned char* row) {
    if (opaque) {
        opaqueRow(source, width, row);
        return;
    }
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
        *row++ = static_cast<unsigned char>(alpha);
    }
}

bool isOpaque(const Pixels& pixels) {
    for (int y = 0; y < pixels.height; ++y) {
        const unsigned char* pixel = pixels.data + static_cast<std::ptrdiff_t>(y) * pixels.stride;
        for (int x = 0; x < pixels.width; ++x, pixel += 4) {
            std::uint32_t argb = 0;
            std::memcpy(&argb, pixel, 4);
            if (argb >> 24 != 255) {
                return false;
            }
        }
    }
    return true;
}

// Runs deflate until it has taken all its input and, when flushing, given all its output.
bool pump(z_stream& stream, std::vector<unsigned char>& out, int flush) {
    for (;;) {
        if (stream.total_out == out.size()) {
            out.resize(out.size() * 2 + 4096);
        }
        stream.next_out = out.data() + stream.total_out;
        stream.avail_out = static_cast<uInt>(
            std::min<std::size_t>(out.size() - stream.total_out, std::numeric_limits<uInt>::max()));
        int result = deflate(&stream, flush);
        if (result == Z_STREAM_ERROR) {
            return false;
        }
        if (stream.avail_in == 0 && stream.avail_out != 0) {
            return flush != Z_FINISH || result == Z_STREAM_END;
        }
    }
}

// Rows [first, last) as unfiltered scanlines, compressed at the fastest level into raw deflate
// blocks. A band other than the last ends on a byte boundary with no final block, so that the
// bands, put one after another, make one stream.
Band compressRows(const Pixels& pixels, int first, int last, bool isLast) {
    Band band;
    z_stream stream{};
    if (deflateInit2(&stream, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return band;
    }
    std::size_t bytes = pixels.scanlineBytes();
    // Interface pictures shrink tenfold or more; the buffer grows should one not.
    band.deflated.resize(bytes * static_cast<std::size_t>(last - first) / 16 + 4096);
    std::vector<unsigned char> scanline(bytes, 0);
    band.ok = true;
    for (int y = first; y < last && band.ok; ++y) {
        straightRow(pixels.data + static_cast<std::ptrdiff_t>(y) * pixels.stride, pixels.width,
                    pixels.opaque, scanline.data() + 1);
        band.adler = adler32(band.adler, scanline.data(), static_cast<uInt>(bytes));
        stream.next_in = scanline.data();
        stream.avail_in = static_cast<uInt>(bytes);
        int flush = y + 1 < last ? Z_NO_FLUSH : (isLast ? Z_FINISH : Z_SYNC_FLUSH);
        band.ok = pump(stream, band.deflated, flush);
    }
    band.length = static_cast<uLong>(bytes * (last - first));
    band.deflated.resize(stream.total_out);
    deflateEnd(&stream);
    return band;
}

// A band per core, at least two and up to four, none thinner than 64 rows: on two cores a
// frame at 2x compresses in about two thirds of the time one stream takes, to the same size.
std::vector<Band> compressBands(const Pixels& pixels) {
    unsigned cores = std::max(2U, std::min(4U, std::thread::hardware_concurrency()));
    int count = std::clamp(pixels.height / 64, 1, static_cast<int>(cores));
    std::vector<Band> bands(static_cast<std::size_t>(count));
    auto work = [&pixels, &bands, count](int index) {
        int first = static_cast<int>(static_cast<long long>(pixels.height) * index / count);
        int last = static_cast<int>(static_cast<long long>(pixels.height) * (index + 1) / count);
        bands[static_cast<std::size_t>(index)] =
            compressRows(pixels, first, last, index + 1 == count);
    };
    std::vector<std::thread> helpers;
    for (int index = 1; index < count; ++index) {
        try {
            helpers.emplace_back(work, index);
        } catch (const std::system_error&) {
            work(index);  // no thread to be had: this one does that band too
        }
    }
    work(0);
    for (auto& helper : helpers) {
        helper.join();
    }
    return bands;
}

void putBigEndian(unsigned char* to, std::uint32_t value) {
    to[0] = static_cast<unsigned char>(value >> 24);
    to[1] = static_cast<unsigned char>(value >> 16);
    to[2] = static_cast<unsigned char>(value >> 8);
    to[3] = static_cast<unsigned char>(value);
}

bool writeChunk(std::FILE* file, const char* type,
                std::initializer_list<std::span<const unsigned char>> pieces) {
    std::size_t size = 0;
    for (auto piece : pieces) {
        size += piece.size();
    }
    if (size > 0x7FFFFFFF) {
        return false;
    }
    std::array<unsigned char, 8> head{};
    putBigEndian(head.data(), static_cast<std::uint32_t>(size));
    std::memcpy(head.data() + 4, type, 4);
    uLong crc = crc32(0, head.data() + 4, 4);
    bool written = std::fwrite(head.data(), 1, head.size(), file) == head.size();
    for (auto piece : pieces) {
        if (piece.empty()) {
            continue;  // zlib takes a null buffer as a request to start the checksum again
        }
        crc = crc32_z(crc, piece.data(), piece.size());
        written = written && std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
    }
    std::array<unsigned char, 4> tail{};
    putBigEndian(tail.data(), static_cast<std::uint32_t>(crc));
    return written && std::fwrite(tail.data(), 1, tail.size(), file) == tail.size();
}

bool writeHeader(std::FILE* file, const Pixels& pixels) {
    static constexpr unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::array<unsigned char, 13> header{};
    putBigEndian(header.data(), static_cast<std::uint32_t>(pixels.width));
    putBigEndian(header.data() + 4, static_cast<std::uint32_t>(pixels.height));
    header[8] = 8;                      // bits per channel
    header[9] = pixels.opaque ? 2 : 6;  // RGB or RGBA; compression, filter, interlace 0
    return std::fwrite(signature, 1, sizeof signature, file) == sizeof signature &&
           writeChunk(file, "IHDR", {header});
}

// The bands, one IDAT chunk each: the zlib header (32 KiB window, fastest level) before the
// first, the checksum of all the scanlines after the last.
bool writeImageData(std::FILE* file, const std::vector<Band>& bands) {
    static constexpr unsigned char zlibHeader[] = {0x78, 0x01};
    uLong adler = bands.front().adler;
    for (std::size_t index = 1; index < bands.size(); ++index) {
        adler =
            adler32_combine(adler, bands[index].adler, static_cast<z_off_t>(bands[index].length));
    }
    std::array<unsigned char, 4> checksum{};
    putBigEndian(checksum.data(), static_cast<std::uint32_t>(adler));
    bool written = true;
    for (std::size_t index = 0; index < bands.size() && written; ++index) {
        std::span<const unsigned char> before;
        std::span<const unsigned char> after;
        if (index == 0) {
            before = zlibHeader;
        }
        if (index + 1 == bands.size()) {
            after = checksum;
        }
        written = writeChunk(file, "IDAT", {before, bands[index].deflated, after});
    }
    return written;
}

}  // namespace

bool PngWriter::write(cairo_surface_t* image, std::FILE* file) {
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS ||
        cairo_image_surface_get_format(image) != CAIRO_FORMAT_ARGB32) {
        return false;
    }
    cairo_surface_flush(image);
    Pixels pixels{cairo_image_surface_get_data(image), cairo_image_surface_get_width(image),
                  cairo_image_surface_get_height(image), cairo_image_surface_get_stride(image)};
    if (pixels.width <= 0 || pixels.height <= 0) {
        return false;
    }
    pixels.opaque = isOpaque(pixels);
    std::vector<Band> bands = compressBands(pixels);
    if (!std::all_of(bands.begin(), bands.end(), [](const Band& band) { return band.ok; })) {
        return false;
    }
    return writeHeader(file, pixels) && writeImageData(file, bands) &&
           writeChunk(file, "IEND", {}) && std::fflush(file) == 0 && !std::ferror(file);
}

}  // namespace render
