#include "ui/ColourCell.h"

#include "ui/extension.h"

namespace kelvora {

std::shared_ptr<ColourCell> ColourCell::make() {
    auto cell = std::make_shared<ColourCell>();
    cell->setBackgroundColor(kit::Color::clearColor());
    cell->contentView()->setBackgroundColor(kit::Color::clearColor());
    cell->setClipsToBounds(true);

    cell->baseView = std::make_shared<kit::View>();
    cell->baseView->setClipsToBounds(true);
    cell->addSubview(cell->baseView);
    extension::fill(*cell->baseView);

    cell->selectedView = std::make_shared<kit::View>();
    cell->selectedView->setCornerRadius(15);
    cell->baseView->addSubview(cell->selectedView);
    extension::size(*cell->selectedView, {50, 50});
    extension::x(*cell->selectedView, cell->baseView->centerXAnchor(),
                 cell->baseView->centerYAnchor());

    cell->colourView = std::make_shared<kit::View>();
    cell->colourView->setCornerRadius(10);
    cell->colourView->setClipsToBounds(true);
    cell->baseView->addSubview(cell->colourView);
    extension::size(*cell->colourView, {40, 40});
    extension::x(*cell->colourView, cell->baseView->centerXAnchor(),
                 cell->baseView->centerYAnchor());
    return cell;
}

void ColourCell::setHighlighted(bool highlighted) {
    kit::CollectionViewCell::setHighlighted(highlighted);
    setBackgroundColor(kit::Color::clearColor());
    contentView()->setBackgroundColor(kit::Color::clearColor());
}

}  // namespace kelvora
