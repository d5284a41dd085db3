#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/foundation/PropertyList.h"

// Any bytes either read as nothing or as a value whose XML text reads back, and writing
// what was read back gives the same text again: the written form loses nothing further.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto value = foundation::parsePropertyList(bytes);
    if (!value) {
        return 0;
    }
    std::string text = foundation::xmlPropertyList(*value);
    auto again = foundation::parsePropertyList(text);
    if (!again || foundation::xmlPropertyList(*again) != text) {
        std::abort();
    }
    return 0;
}
