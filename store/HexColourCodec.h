#pragma once

#include <string>
#include <string_view>

#include "platform/kit/Color.h"

namespace kelvora {

// Colours as six-digit hexadecimal strings, "RRGGBB", written in upper case without a prefix.
//
// Reading is forgiving: white space and newlines around the digits, letters of either case
// and a "0x" or "0X" prefix are accepted; each pair of digits is read as far as it holds hex
// digits ("4G" reads as 4, a pair with no leading digit as 0). Anything shorter or longer
// than six digits (a "#" prefix, an alpha pair) reads as gray. Lengths are counted in UTF-16
// units after upper-casing, as the phone's strings count them.
//
// Writing takes the colour's light value, clamps each component to 0...1 (so extended-range
// colours never yield more than six digits) and rounds halves away from zero.
//
// The settings screen also recognises a few colour names before any hex parsing; the other
// screens do not, hence the option.
class HexColourCodec final {
  public:
    enum class Names { none, system };

    explicit HexColourCodec(Names names = Names::none) : names_(names) {}

    kit::Color colorWithHexString(std::string_view text) const;
    static std::string hexStringFromColor(const kit::Color& color);

  private:
    Names names_;
};

}  // namespace kelvora
