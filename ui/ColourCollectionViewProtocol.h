#pragma once

#include <string>

namespace kelvora {

// Told of every tap on a colour swatch, the same swatch again included.
class ColourCollectionViewProtocol {
  public:
    virtual ~ColourCollectionViewProtocol() = default;
    virtual void didSelectedColourWithHex(const std::string& hex) = 0;
};

}  // namespace kelvora
