#pragma once

#include <ostream>

#include "platform/kit/Geometry.h"

// Lets failing frame checks print "(10, 58.5, 65, 25)" rather than raw bytes.
namespace kit {

inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "(" << rect.minX() << ", " << rect.minY() << ", " << rect.width() << ", "
         << rect.height() << ")";
}

}  // namespace kit
