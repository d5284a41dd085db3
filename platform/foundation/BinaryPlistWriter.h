#pragma once

#include <string>

#include "platform/foundation/PropertyList.h"

namespace foundation {

// Writes a property list in the binary form ("bplist00"), so that a preference file that
// arrived binary can be rewritten binary. The XML form cannot carry fractions of a second in
// a date that other readers accept, so a binary file rewritten as XML would lose them.
//
// Strings are written as ASCII or UTF-16, and bytes that are not UTF-8 as they were read,
// in the single-byte form; integers in the fewest bytes (negative ones in
// eight); dates and reals as 64-bit doubles. Equal values are not shared: every value is one
// object. Nesting is limited only by what the reader let in.
std::string binaryPropertyList(const foundation::PlistValue& root);

}  // namespace foundation
