#include "ui/SetupCell.h"

#include "appearance/SetupAppearance.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

std::shared_ptr<kit::Label> whiteLine(kit::Font font) {
    auto label = std::make_shared<kit::Label>();
    label->setTextColor(kit::Color::whiteColor());
    label->setTextAlignment(kit::TextAlignment::left);
    label->setFont(font);
    label->setNumberOfLines(1);
    label->setLineBreakMode(kit::LineBreakMode::byClipping);
    return label;
}

}  // namespace

std::shared_ptr<SetupCell> SetupCell::make() {
    auto cell = std::make_shared<SetupCell>();
    cell->setBackgroundColor(kit::Color::clearColor());
    cell->contentView()->setBackgroundColor(kit::Color::clearColor());
    cell->setClipsToBounds(true);

    auto& card = cell->baseView = std::make_shared<kit::View>();
    card->setBackgroundColor(SetupAppearance::secondaryColour());
    card->setCornerRadius(14);
    card->setContinuousCorners(true);
    card->setClipsToBounds(true);
    cell->addSubview(card);
    extension::fill(*card);

    cell->icon = std::make_shared<kit::ImageView>();
    cell->icon->setContentMode(kit::ContentMode::scaleAspectFit);
    card->addSubview(cell->icon);
    extension::size(*cell->icon, {36, 36});
    extension::top(*cell->icon, card->topAnchor(), 7);
    extension::leading(*cell->icon, card->leadingAnchor(), 7);

    cell->countLabel = whiteLine(kit::Font::systemFontOfSize(14));
    card->addSubview(cell->countLabel);
    extension::bottom(*cell->countLabel, card->bottomAnchor(), -7);
    extension::leading(*cell->countLabel, card->leadingAnchor(), 10);

    cell->nameLabel = whiteLine(kit::Font::boldSystemFontOfSize(18));
    card->addSubview(cell->nameLabel);
    extension::leading(*cell->nameLabel, card->leadingAnchor(), 10);
    extension::bottom(*cell->nameLabel, cell->countLabel->topAnchor(), -2);
    return cell;
}

void SetupCell::prepareForReuse() {
    kit::CollectionViewCell::prepareForReuse();
    icon->setImage(std::nullopt);
    nameLabel->setText({});
}

void SetupCell::setHighlighted(bool highlighted) {
    kit::CollectionViewCell::setHighlighted(highlighted);
    setBackgroundColor(kit::Color::clearColor());
    contentView()->setBackgroundColor(kit::Color::clearColor());
}

}  // namespace kelvora
