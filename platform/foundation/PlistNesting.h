#pragma once

#include <string_view>

namespace foundation {

// A check of how deeply a property list nests its containers, made on the raw bytes before
// they reach the parser underneath: that parser recurses once per level (the binary reader
// while parsing, both when freeing), so a file of a few megabytes could overflow the stack.
// The check is conservative only about depth: a malformed file may pass it and is then
// refused by the parser.
class PlistNesting final {
  public:
    static bool within(std::string_view bytes, int maxDepth);

  private:
    static bool xmlWithin(std::string_view bytes, int maxDepth);
    static bool binaryWithin(std::string_view bytes, int maxDepth);
};

}  // namespace foundation
