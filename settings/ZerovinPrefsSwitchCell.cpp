#include "settings/ZerovinPrefsSwitchCell.h"

#include "appearance/SetupAppearance.h"
#include "ui/extension.h"

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
    extension::y(*toggleSwitch_, baseView()->centerYAnchor());
    extension::trailing(*toggleSwitch_, baseView()->trailingAnchor(), -10);
}
