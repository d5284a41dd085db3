#pragma once

#include <cstdio>

using cairo_surface_t = struct _cairo_surface;

namespace render {

// Writes a Cairo image as an 8-bit PNG (RGB when it is opaque, RGBA otherwise), tuned for
// speed: every screenshot of a script or of --screenshot is written while someone waits, and
// a general encoder's thorough defaults (every row filter tried, middle compression) took
// several times as long as drawing the frame. Rows go unfiltered at the fastest compression,
// which suits flat interface pictures (the file is a tenth larger), in bands compressed side
// by side on the machine's cores and joined into one stream.
class PngWriter final {
  public:
    // False when the image is not a valid ARGB image or the file could not be written.
    static bool write(cairo_surface_t* image, std::FILE* file);
};

}  // namespace render
