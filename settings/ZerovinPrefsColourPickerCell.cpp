#include "settings/ZerovinPrefsColourPickerCell.h"

#include "ui/extension.h"

namespace kelvora {

namespace {

constexpr double kWheelSide = 35;
constexpr double kSwatchSide = 30;

}  // namespace

std::shared_ptr<ZerovinPrefsColourPickerCell> ZerovinPrefsColourPickerCell::make(
    std::string reuseIdentifier) {
    auto cell = std::make_shared<ZerovinPrefsColourPickerCell>(Token{}, std::move(reuseIdentifier));
    cell->buildCard();
    cell->buildTile();
    cell->buildWheel();
    cell->buildLabels(cell->wheel_->leadingAnchor());
    return cell;
}

void ZerovinPrefsColourPickerCell::buildWheel() {
    wheel_ = std::make_shared<kit::ImageView>(kit::Image::imageNamed("colour-wheel"));
    wheel_->setContentMode(kit::ContentMode::scaleAspectFill);
    wheel_->setCornerRadius(kWheelSide / 2);
    wheel_->setClipsToBounds(true);
    baseView()->addSubview(wheel_);
    extension::size(*wheel_, {kWheelSide, kWheelSide});
    extension::y(*wheel_, iconView()->centerYAnchor());
    extension::trailing(*wheel_, baseView()->trailingAnchor(), -10);

    colourView_ = std::make_shared<kit::View>();
    colourView_->setCornerRadius(kSwatchSide / 2);
    baseView()->addSubview(colourView_);
    extension::size(*colourView_, {kSwatchSide, kSwatchSide});
    extension::x(*colourView_, wheel_->centerXAnchor(), wheel_->centerYAnchor());
}

}  // namespace kelvora
