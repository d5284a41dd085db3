#include "files/PlistFileCell.h"

#include "appearance/SetupAppearance.h"
#include "platform/kit/Font.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

void roundCorners(kit::View& view) {
    view.setCornerRadius(12);
    view.setContinuousCorners(true);
}

}  // namespace

std::shared_ptr<PlistFileCell> PlistFileCell::make() {
    auto cell = std::make_shared<PlistFileCell>(Token{});
    roundCorners(*cell);
    cell->setClipsToBounds(true);
    cell->buildBase();
    cell->buildIcon();
    cell->buildLabels();
    return cell;
}

void PlistFileCell::buildBase() {
    baseView_ = std::make_shared<kit::View>();
    baseView_->setBackgroundColor(SetupAppearance::secondaryColour());
    roundCorners(*baseView_);
    baseView_->setClipsToBounds(true);
    contentView()->addSubview(baseView_);
    const auto& content = *contentView();
    extension::top(*baseView_, content.topAnchor(), content.leadingAnchor(), content.bottomAnchor(),
                   content.trailingAnchor(), {2.5, 8.5, -2.5, -8.5});
}

void PlistFileCell::buildIcon() {
    iconView_ = std::make_shared<kit::View>();
    roundCorners(*iconView_);
    baseView_->addSubview(iconView_);
    extension::size(*iconView_, {45, 45});
    extension::y(*iconView_, baseView_->centerYAnchor());
    extension::leading(*iconView_, baseView_->leadingAnchor(), 10);

    icon_ = std::make_shared<kit::ImageView>();
    icon_->setContentMode(kit::ContentMode::scaleAspectFill);
    icon_->setClipsToBounds(true);
    iconView_->addSubview(icon_);
    extension::size(*icon_, {30, 30});
    extension::x(*icon_, iconView_->centerXAnchor(), iconView_->centerYAnchor());

    checkedIcon_ = std::make_shared<kit::ImageView>();
    checkedIcon_->setContentMode(kit::ContentMode::scaleAspectFit);
    checkedIcon_->setTintColor(SetupAppearance::setupAccentColour());
    checkedIcon_->setImage(kit::Image::systemImageNamed("checkmark"));
    baseView_->addSubview(checkedIcon_);
    extension::size(*checkedIcon_, {22, 22});
    extension::y(*checkedIcon_, baseView_->centerYAnchor());
    extension::trailing(*checkedIcon_, baseView_->trailingAnchor(), -10);
}

void PlistFileCell::buildLabels() {
    titleLabel_ = std::make_shared<kit::Label>();
    titleLabel_->setTextAlignment(kit::TextAlignment::left);
    titleLabel_->setFont(kit::Font::systemFontOfSize(14, kit::FontWeight::semibold));
    titleLabel_->setTextColor(kit::Color::labelColor());
    baseView_->addSubview(titleLabel_);
    extension::leading(*titleLabel_, iconView_->trailingAnchor(), 10);
    extension::top(*titleLabel_, iconView_->topAnchor(), 2);
    extension::trailing(*titleLabel_, checkedIcon_->leadingAnchor(), -10);

    subtitleLabel_ = std::make_shared<kit::Label>();
    subtitleLabel_->setTextAlignment(kit::TextAlignment::left);
    subtitleLabel_->setFont(kit::Font::systemFontOfSize(14));
    subtitleLabel_->setTextColor(kit::Color::secondaryLabelColor());
    baseView_->addSubview(subtitleLabel_);
    extension::leading(*subtitleLabel_, iconView_->trailingAnchor(), 10);
    extension::bottom(*subtitleLabel_, iconView_->bottomAnchor(), -2);
    extension::trailing(*subtitleLabel_, checkedIcon_->leadingAnchor(), -10);
}

void PlistFileCell::configure(const PlistFileRecord& record, bool checked) {
    auto accent = SetupAppearance::setupAccentColour();
    setSelectedBackgroundView(std::make_shared<kit::View>());
    setBackgroundColor(kit::Color::clearColor());
    iconView_->setBackgroundColor(accent.withAlpha(0.4));
    icon_->setImage(kit::Image::systemImageNamed("doc.plaintext"));
    icon_->setTintColor(accent);
    titleLabel_->setText(record.plistName);
    subtitleLabel_->setText(record.plistCreatedDate + " \u2022 " + record.plistFileSize);
    checkedIcon_->setImage(
        kit::Image::systemImageNamed(checked ? "checkmark.circle.fill" : "circle"));
    setAccessibilityLabel(record.plistName);
}

void PlistFileCell::prepareForReuse() {
    TableViewCell::prepareForReuse();
    icon_->setImage(std::nullopt);
    titleLabel_->setText("");
    subtitleLabel_->setText("");
}

std::shared_ptr<kit::TableView> PlistFileCell::makeTable(kit::EdgeInsets contentInset) {
    auto table = std::make_shared<kit::TableView>(kit::Rect{}, kit::TableViewStyle::plain);
    table->setBackgroundColor(kit::Color::clearColor());
    table->setSeparatorStyle(kit::TableViewSeparatorStyle::none);
    table->setContentInset(contentInset);
    table->setScrollIndicatorInsets(contentInset);
    table->setRowHeight(rowHeight);
    table->registerCell(reuseIdentifier, [] { return make(); });
    return table;
}

}  // namespace kelvora
