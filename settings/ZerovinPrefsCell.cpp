#include "settings/ZerovinPrefsCell.h"

#include <utility>

#include "appearance/SetupAppearance.h"
#include "platform/kit/Font.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

constexpr double kCardVerticalInset = 5;
constexpr double kCardHorizontalInset = 20;
constexpr double kTileSide = 45;
constexpr double kSymbolSide = 30;
constexpr double kGap = 10;
constexpr double kLabelInset = 2;

void roundContinuously(kit::View& view, double radius) {
    view.setCornerRadius(radius);
    view.setContinuousCorners(true);
    view.setClipsToBounds(true);
}

std::shared_ptr<kit::Label> makeLabel(kit::Font font, kit::Color colour) {
    auto label = std::make_shared<kit::Label>();
    label->setTextAlignment(kit::TextAlignment::left);
    label->setFont(font);
    label->setTextColor(colour);
    return label;
}

}  // namespace

ZerovinPrefsCell::ZerovinPrefsCell(std::string reuseIdentifier)
    : kit::TableViewCell(std::move(reuseIdentifier)) {
    roundContinuously(*this, 10);
}

void ZerovinPrefsCell::prepareForReuse() {
    kit::TableViewCell::prepareForReuse();
    icon_->setImage(std::nullopt);
    titleLabel_->setText("");
    subtitleLabel_->setText("");
}

void ZerovinPrefsCell::buildCard() {
    contentView();
    baseView_ = std::make_shared<kit::View>();
    baseView_->setBackgroundColor(SetupAppearance::secondaryColour());
    roundContinuously(*baseView_, 15);
    // On the cell itself, so the content view (and a switch in it) stays in front of the card.
    addSubview(baseView_);
    extension::top(
        *baseView_, topAnchor(), leadingAnchor(), bottomAnchor(), trailingAnchor(),
        {kCardVerticalInset, kCardHorizontalInset, -kCardVerticalInset, -kCardHorizontalInset});
}

void ZerovinPrefsCell::buildTile() {
    iconView_ = std::make_shared<kit::View>();
    roundContinuously(*iconView_, 13);
    baseView_->addSubview(iconView_);
    extension::size(*iconView_, {kTileSide, kTileSide});
    extension::y(*iconView_, baseView_->centerYAnchor());
    extension::leading(*iconView_, baseView_->leadingAnchor(), kGap);

    icon_ = std::make_shared<kit::ImageView>();
    icon_->setContentMode(kit::ContentMode::scaleAspectFit);
    iconView_->addSubview(icon_);
    extension::size(*icon_, {kSymbolSide, kSymbolSide});
    extension::x(*icon_, iconView_->centerXAnchor(), iconView_->centerYAnchor());
}

void ZerovinPrefsCell::buildPicture() {
    icon_ = std::make_shared<kit::ImageView>();
    icon_->setContentMode(kit::ContentMode::scaleAspectFill);
    roundContinuously(*icon_, 13);
    baseView_->addSubview(icon_);
    extension::size(*icon_, {kTileSide, kTileSide});
    extension::y(*icon_, baseView_->centerYAnchor());
    extension::leading(*icon_, baseView_->leadingAnchor(), kGap);
}

void ZerovinPrefsCell::buildLabels(const kit::LayoutXAxisAnchor& end) {
    const kit::View& picture = iconView_ ? *iconView_ : *icon_;
    titleLabel_ = makeLabel(kit::Font::systemFontOfSize(17, kit::FontWeight::semibold),
                            kit::Color::labelColor());
    baseView_->addSubview(titleLabel_);
    extension::leading(*titleLabel_, picture.trailingAnchor(), kGap);
    extension::top(*titleLabel_, picture.topAnchor(), kLabelInset);
    extension::trailing(*titleLabel_, end, -kGap);

    subtitleLabel_ = makeLabel(kit::Font::systemFontOfSize(14), kit::Color::tertiaryLabelColor());
    baseView_->addSubview(subtitleLabel_);
    extension::leading(*subtitleLabel_, picture.trailingAnchor(), kGap);
    extension::bottom(*subtitleLabel_, picture.bottomAnchor(), -kLabelInset);
    extension::trailing(*subtitleLabel_, end, -kGap);
}

}  // namespace kelvora
