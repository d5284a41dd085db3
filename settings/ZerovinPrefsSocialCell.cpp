#include "settings/ZerovinPrefsSocialCell.h"

namespace kelvora {

std::shared_ptr<ZerovinPrefsSocialCell> ZerovinPrefsSocialCell::make(std::string reuseIdentifier) {
    auto cell = std::make_shared<ZerovinPrefsSocialCell>(Token{}, std::move(reuseIdentifier));
    cell->buildCard();
    cell->buildPicture();
    cell->buildLabels(cell->baseView()->trailingAnchor());
    return cell;
}

}  // namespace kelvora
