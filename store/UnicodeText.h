#pragma once

#include <string>
#include <string_view>

// Unicode case mapping of UTF-8 text, the same in every locale (so "I" never becomes a
// dotless "ı"); ill-formed UTF-8 sequences become U+FFFD.
// FIXME: belongs in platform/foundation beside the other ICU services; it lives here until
// the foundation offers a string helper of its own.
std::string lowercaseString(std::string_view text);
