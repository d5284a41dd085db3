#include "settings/ZerovinPrefsSwitchCell.h"

#include "appearance/SetupAppearance.h"
#include "ui/extension.h"

namespace kelvora {

std::shared_ptr<ZerovinPrefsSwitchCell> ZerovinPrefsSwitchCell::make(std::string reuseIdentifier) {
    auto cell = std::make_shared<ZerovinPrefsSwitchCell>(Token{}, std::move(reuseIdentifier));
    cell->buildCard();
    cell->buildTile();
    cell->buildSwitch();
    cell->buildLabels(cell->toggleSwitch_->leadingAnchor());
    return cell;
}

void ZerovinPrefsSwitchCell::buildSwitch() {
    toggleSwitch_ = std::make_shared<kit::Switch>();
    toggleSwitch_->setThumbTintColor(SetupAppearance::secondaryColour());
    contentView()->addSubview(toggleSwitch_);
    // Pinned, not left to its natural size: the labels end against the switch, and a long
    // title must shorten the label rather than push the switch off the card.
    extension::size(*toggleSwitch_, kit::Switch::size);
    extension::y(*toggleSwitch_, baseView()->centerYAnchor());
    extension::trailing(*toggleSwitch_, baseView()->trailingAnchor(), -10);
}

}  // namespace kelvora
