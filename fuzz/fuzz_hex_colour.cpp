#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/HexColourCodec.h"

// Any text reads as some colour, with colour names or without, and the six upper-case hex
// digits written of it read back as a colour that writes the same digits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    using kelvora::HexColourCodec;
    for (auto names : {HexColourCodec::Names::none, HexColourCodec::Names::system}) {
        std::string hex =
            HexColourCodec::hexStringFromColor(HexColourCodec(names).colorWithHexString(text));
        bool digits =
            hex.size() == 6 && hex.find_first_not_of("0123456789ABCDEF") == std::string::npos;
        if (!digits ||
            HexColourCodec::hexStringFromColor(HexColourCodec().colorWithHexString(hex)) != hex) {
            std::abort();
        }
    }
    return 0;
}
