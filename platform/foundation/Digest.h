#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace foundation {

// The SHA-256 digest of some bytes, fed in pieces, as 64 lower-case hexadecimal digits: what
// a restore point records of a file it must later recognise. A cryptographic digest, so that
// no file written afterwards, by chance or on purpose, passes for the one recorded.
class Digest final {
  public:
    Digest();

    void update(std::string_view bytes);
    // The digest of everything fed in; the object is spent afterwards.
    std::string hexadecimal();

    static std::string sha256(std::string_view bytes);

  private:
    void compress(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> pending_{};
    std::size_t pendingSize_ = 0;
    std::uint64_t totalBytes_ = 0;
};

}  // namespace foundation
