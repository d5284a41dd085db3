#include "settings/ZerovinPrefsButtonCell.h"

namespace kelvora {

std::shared_ptr<ZerovinPrefsButtonCell> ZerovinPrefsButtonCell::make(std::string reuseIdentifier) {
    auto cell = std::make_shared<ZerovinPrefsButtonCell>(Token{}, std::move(reuseIdentifier));
    cell->buildCard();
    cell->buildTile();
    cell->buildLabels(cell->baseView()->trailingAnchor());
    return cell;
}

}  // namespace kelvora
