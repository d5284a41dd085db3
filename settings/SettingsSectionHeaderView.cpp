#include "settings/SettingsSectionHeaderView.h"

#include "platform/kit/Font.h"
#include "settings/SettingsColours.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

constexpr double kEdgeInset = 23;
// Headers sit a little low, close to the rows they name.
constexpr double kDrop = 5;

}  // namespace

std::shared_ptr<SettingsSectionHeaderView> SettingsSectionHeaderView::make(
    const ZerovinPrefsSectionDataModel& section) {
    auto header = std::make_shared<SettingsSectionHeaderView>(Token{});
    header->setClipsToBounds(true);
    const kit::Color colour = SettingsColours::headerColour(section);

    header->titleLabel_ = std::make_shared<kit::Label>();
    auto& title = *header->titleLabel_;
    title.setText(section.title);
    title.setTextAlignment(kit::TextAlignment::left);
    title.setFont(kit::Font::systemFontOfSize(16, kit::FontWeight::semibold));
    title.setTextColor(colour);
    header->addSubview(header->titleLabel_);
    extension::y(title, header->centerYAnchor(), kDrop);
    extension::trailing(title, header->trailingAnchor(), -kEdgeInset);

    if (!section.showIcon) {
        extension::leading(title, header->leadingAnchor(), kEdgeInset);
        return header;
    }
    header->symbolView_ = std::make_shared<kit::ImageView>(
        section.icon ? kit::Image::systemImageNamed(*section.icon) : std::nullopt);
    auto& symbol = *header->symbolView_;
    symbol.setContentMode(kit::ContentMode::scaleAspectFit);
    symbol.setTintColor(colour);
    header->addSubview(header->symbolView_);
    extension::size(symbol, {20, 20});
    extension::y(symbol, header->centerYAnchor(), kDrop);
    extension::leading(symbol, header->leadingAnchor(), kEdgeInset);
    extension::leading(title, symbol.trailingAnchor(), 10);
    return header;
}

}  // namespace kelvora
