#pragma once

#include <string>
#include <string_view>

namespace foundation {

// Unicode case mapping of UTF-8 text, the same in every locale (so "I" never becomes a
// dotless "ı"); ill-formed UTF-8 sequences become U+FFFD.
std::string lowercaseString(std::string_view text);

}  // namespace foundation
