#pragma once

#include <optional>
#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace foundation {

// A quick reader for the plain XML property lists that preference files almost always are,
// for the reads done on every settings lookup. It reads only the common, unambiguous subset:
// dict, array, key, string, integer, real, true, false and data, with the five named
// entities, under the standard declaration and document type or none. Anything else (dates,
// comments, numeric character references, carriage returns, duplicate keys, hexadecimal or
// over-long integers, deep nesting, ill-formed UTF-8, trailing text) makes it give up with nothing,
// and the caller hands the bytes to the full reader. So for whatever it accepts it must give
// what the full reader gives; a differential test holds it to that.
std::optional<foundation::PlistValue> readPlainXmlPropertyList(std::string_view bytes);

// The full reader alone, without the quick path: what the quick reader is held to.
std::optional<foundation::PlistValue> parsePropertyListWithLibplist(std::string_view bytes);

}  // namespace foundation
