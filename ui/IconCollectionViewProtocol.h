#pragma once

#include <string>

namespace kelvora {

// Told of every tap on an icon square, the same square again included.
class IconCollectionViewProtocol {
  public:
    virtual ~IconCollectionViewProtocol() = default;
    virtual void didSelectedIconWithImageName(const std::string& imageName) = 0;
};

}  // namespace kelvora
