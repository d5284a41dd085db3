#include "ui/IconCell.h"

#include "appearance/SetupAppearance.h"
#include "ui/extension.h"

namespace kelvora {

std::shared_ptr<IconCell> IconCell::make() {
    auto cell = std::make_shared<IconCell>();
    cell->setBackgroundColor(kit::Color::clearColor());
    cell->contentView()->setBackgroundColor(kit::Color::clearColor());
    cell->setClipsToBounds(true);

    cell->baseView = std::make_shared<kit::View>();
    cell->baseView->setClipsToBounds(true);
    cell->addSubview(cell->baseView);
    extension::fill(*cell->baseView);

    cell->iconView = std::make_shared<kit::View>();
    cell->iconView->setBackgroundColor(SetupAppearance::secondaryColour());
    cell->iconView->setCornerRadius(10);
    cell->iconView->setClipsToBounds(true);
    cell->baseView->addSubview(cell->iconView);
    extension::size(*cell->iconView, {40, 40});
    extension::x(*cell->iconView, cell->baseView->centerXAnchor(), cell->baseView->centerYAnchor());

    cell->iconLabel = std::make_shared<kit::Label>();
    cell->iconLabel->setTextAlignment(kit::TextAlignment::center);
    cell->iconLabel->setFont(kit::Font::systemFontOfSize(0));
    cell->iconLabel->setTextColor(kit::Color::labelColor());
    cell->iconView->addSubview(cell->iconLabel);
    extension::x(*cell->iconLabel, cell->iconView->centerXAnchor(),
                 cell->iconView->centerYAnchor());
    return cell;
}

void IconCell::prepareForReuse() {
    kit::CollectionViewCell::prepareForReuse();
    iconLabel->setText({});
    iconLabel->setAttachmentImage(std::nullopt);
}

void IconCell::setHighlighted(bool highlighted) {
    kit::CollectionViewCell::setHighlighted(highlighted);
    setBackgroundColor(kit::Color::clearColor());
    contentView()->setBackgroundColor(kit::Color::clearColor());
}

}  // namespace kelvora
