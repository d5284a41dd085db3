#include "platform/kit/CollectionViewCell.h"

#include <utility>

namespace kit {

CollectionViewCell::CollectionViewCell(std::string reuseIdentifier)
    : ReusableCell(std::move(reuseIdentifier)) {}

std::shared_ptr<CollectionViewCell> CollectionViewCell::make(std::string reuseIdentifier) {
    auto cell = std::make_shared<CollectionViewCell>(std::move(reuseIdentifier));
    cell->contentView();
    return cell;
}

}  // namespace kit
