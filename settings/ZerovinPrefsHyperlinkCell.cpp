#include "settings/ZerovinPrefsHyperlinkCell.h"

namespace kelvora {

std::shared_ptr<ZerovinPrefsHyperlinkCell> ZerovinPrefsHyperlinkCell::make(
    std::string reuseIdentifier) {
    auto cell = std::make_shared<ZerovinPrefsHyperlinkCell>(Token{}, std::move(reuseIdentifier));
    cell->buildCard();
    cell->buildTile();
    cell->buildLabels(cell->baseView()->trailingAnchor());
    return cell;
}

}  // namespace kelvora
