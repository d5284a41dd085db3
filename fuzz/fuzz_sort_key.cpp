#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/foundation/DateFormatter.h"
#include "store/SortKeyParser.h"
#include "store/StoreConstants.h"

// Any text as a "creationDate" key, on devices of several zones and calendars: the parser
// never fails where the formatter's own parse succeeds, and gives the instant it gives.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static constexpr std::array<std::array<const char*, 2>, 4> devices{{
        {"en_US", "UTC"},
        {"de_DE", "America/Havana"},
        {"th_TH", "Asia/Bangkok"},
        {"fa_IR", "Australia/Lord_Howe"},
    }};
    const auto& device = devices[data[0] % devices.size()];
    foundation::DateFormatter::setDeviceLocale(device[0]);
    foundation::DateFormatter::setDeviceTimeZone(device[1]);
    std::string_view key(reinterpret_cast<const char*>(data) + 1, size - 1);
    kelvora::SortKeyParser parser;
    auto formatter = foundation::DateFormatter::withPattern(kelvora::kCreationDatePattern);
    if (parser.parse(key) != formatter->parse(key)) {
        std::abort();
    }
    return 0;
}
