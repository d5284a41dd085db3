#pragma once

#include <string_view>

namespace kelvora {

// Orders UTF-8 names as the phone's plain string comparison does: by UTF-16 code unit, not
// by code point. The two differ only where a character from U+E000 to U+FFFF meets one
// beyond U+FFFF: the latter's leading surrogate (U+D800 to U+DBFF) sorts first in UTF-16,
// while its UTF-8 bytes (F0 to F4) sort after EE and EF. So the comparison is bytewise with
// those lead bytes reordered; a mismatch inside a character is between continuation bytes
// and needs no change. Ill-formed bytes still get a strict total order, just an arbitrary one.
namespace UTF16Order {

// Negative, zero or positive as `a` sorts before, equal to or after `b`.
int compare(std::string_view a, std::string_view b);

}  // namespace UTF16Order

}  // namespace kelvora
