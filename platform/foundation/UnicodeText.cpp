#include "platform/foundation/UnicodeText.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace foundation {

std::string lowercaseString(std::string_view text) {
    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    std::string result;
    unicode.toLower(icu::Locale::getRoot()).toUTF8String(result);
    return result;
}

}  // namespace foundation
