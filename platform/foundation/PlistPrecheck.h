#pragma once

#include <string_view>

namespace foundation {

// Checks made on the raw bytes of a property list before they reach the parser underneath,
// for what that parser cannot survive:
// - nesting: it recurses once per level (the binary reader while parsing, both readers when
//   freeing, even a tree left half-built by an error), so a file of a few megabytes could
//   overflow the stack. The XML check reads tags, quoted attribute values, comments, CDATA,
//   processing instructions and document types exactly as that parser does, so no disguise
//   hides a level from it;
// - sharing: the binary reader copies an object each time it is referenced, so a few
//   hundred bytes of containers that each refer twice to the next would expand to billions
//   of values. A list whose containers are not shared expands to fewer values than it has
//   bytes, so that is the bound;
// - NUL characters in dictionary keys: this build of the parser asserts that a key has no
//   NUL and aborts. XML cannot hold a NUL at all, so any NUL byte in XML is refused too.
// The check is strict only about these: a malformed file may pass it and is then refused
// by the parser.
class PlistPrecheck final {
  public:
    static bool acceptable(std::string_view bytes, int maxDepth);

  private:
    static bool xmlWithin(std::string_view bytes, int maxDepth);
    static bool binaryWithin(std::string_view bytes, int maxDepth);
};

}  // namespace foundation
