#pragma once

#include <cstdint>
#include <string>

namespace foundation {

// A file size as the phone's byte-count formatter writes it in its file style: decimal
// units (1 KB = 1000 bytes) and
//   0                  -> "Zero KB"
//   1                  -> "1 byte"
//   2 to 999           -> "999 bytes"
//   kilobytes          -> no decimals: "1 KB", "12 KB" (1,499 bytes is "1 KB", 1,500 "2 KB")
//   megabytes          -> one decimal: "1.2 MB"
//   gigabytes and up   -> two decimals: "3.45 GB", then TB, PB, EB
// Values round half up; a fraction of zero is not shown ("2 MB", "1.5 GB"); a value that
// rounds up to 1000 of a unit moves to the next unit (999,500 bytes is "1 MB"). Negative
// counts keep their sign. The decimal point is ".", whatever the locale.
class ByteCountFormatter final {
  public:
    static std::string stringFromByteCount(std::int64_t byteCount);
};

}  // namespace foundation
