#pragma once

#include <memory>
#include <string>

#include "platform/kit/ReusableCell.h"

namespace kit {

// An item of a collection. It has no look of its own: it is clear, and neither highlight
// nor selection changes it unless a subclass does.
class CollectionViewCell : public ReusableCell {
  public:
    explicit CollectionViewCell(std::string reuseIdentifier = {});
    static std::shared_ptr<CollectionViewCell> make(std::string reuseIdentifier = {});
};

}  // namespace kit
