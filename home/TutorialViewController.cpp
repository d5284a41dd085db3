#include "home/TutorialViewController.h"

#include "appearance/SetupAppearance.h"
#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/ScrollView.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

std::shared_ptr<kit::Label> makeLabel(const std::string& text, kit::Font font, kit::Color colour) {
    auto label = std::make_shared<kit::Label>();
    label->setText(text);
    label->setFont(font);
    label->setTextColor(colour);
    label->setNumberOfLines(0);
    return label;
}

}  // namespace

TutorialViewController::TutorialViewController(std::string title, std::string detailText,
                                               std::string iconName)
    : title_(std::move(title)), detailText_(std::move(detailText)), iconName_(std::move(iconName)) {
    setModalPresentationStyle(kit::ModalPresentationStyle::pageSheet);
    setModalInPresentation(true);
}

void TutorialViewController::addBulletedListItem(const std::string& title,
                                                 const std::string& description,
                                                 const std::string& symbolName) {
    items_.push_back({title, description, symbolName});
}

void TutorialViewController::viewDidLoad() {
    view()->setBackgroundColor(kit::Color::clearColor());
    blur_ = kit::VisualEffectView::make(kit::BlurEffectStyle::systemChromeMaterial);
    view()->insertSubview(blur_, 0);
    extension::fill(*blur_);
    layoutTray();
    layoutScrollView();
    layoutHeader();
    layoutItems();
}

// The header and the items scroll above the tray, so that the last item can be read to its end
// on a short screen.
void TutorialViewController::layoutScrollView() {
    scrollView_ = std::make_shared<kit::ScrollView>(kit::Rect{});
    scrollView_->setBackgroundColor(kit::Color::clearColor());
    scrollView_->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
    view()->insertSubview(scrollView_, 1);
    extension::top(*scrollView_, view()->topAnchor(), view()->leadingAnchor(), tray_->topAnchor(),
                   view()->trailingAnchor(), {});
}

void TutorialViewController::layoutHeader() {
    auto icon = std::make_shared<kit::ImageView>(kit::Image::imageNamed(iconName_));
    icon->setContentMode(kit::ContentMode::scaleAspectFit);
    scrollView_->addSubview(icon);
    extension::top(*icon, scrollView_->topAnchor(), 40);
    extension::x(*icon, view()->centerXAnchor());
    extension::size(*icon, {80, 80});

    auto title = makeLabel(title_, kit::Font::boldSystemFontOfSize(34), kit::Color::labelColor());
    title->setTextAlignment(kit::TextAlignment::center);
    scrollView_->addSubview(title);
    extension::top(*title, icon->bottomAnchor(), view()->leadingAnchor(), std::nullopt,
                   view()->trailingAnchor(), {16, 30, 0, -30});

    auto detail =
        makeLabel(detailText_, kit::Font::systemFontOfSize(17), kit::Color::secondaryLabelColor());
    detail->setTextAlignment(kit::TextAlignment::center);
    scrollView_->addSubview(detail);
    extension::top(*detail, title->bottomAnchor(), view()->leadingAnchor(), std::nullopt,
                   view()->trailingAnchor(), {8, 30, 0, -30});
    lastHeaderView_ = detail;
}

void TutorialViewController::layoutItems() {
    std::shared_ptr<kit::View> above = lastHeaderView_;
    for (const auto& item : items_) {
        auto symbol = std::make_shared<kit::ImageView>(
            kit::Image::systemImageNamed(item.symbolName, {28, kit::FontWeight::regular}));
        symbol->setTintColor(SetupAppearance::setupAccentColour());
        symbol->setAccessibilityLabel(item.symbolName);
        scrollView_->addSubview(symbol);
        extension::top(*symbol, above->bottomAnchor(), 28);
        extension::leading(*symbol, view()->leadingAnchor(), 30);
        extension::size(*symbol, {32, 32});

        auto title =
            makeLabel(item.title, kit::Font::systemFontOfSize(17, kit::FontWeight::semibold),
                      kit::Color::labelColor());
        scrollView_->addSubview(title);
        extension::top(*title, symbol->topAnchor(), symbol->trailingAnchor(), std::nullopt,
                       view()->trailingAnchor(), {0, 16, 0, -30});
        auto description = makeLabel(item.description, kit::Font::systemFontOfSize(15),
                                     kit::Color::secondaryLabelColor());
        scrollView_->addSubview(description);
        extension::top(*description, title->bottomAnchor(), symbol->trailingAnchor(), std::nullopt,
                       view()->trailingAnchor(), {2, 16, 0, -30});
        above = description;
    }
    // The last line's bottom is the content's bottom, which gives the content its height.
    extension::bottom(*above, scrollView_->bottomAnchor(), -24);
}

void TutorialViewController::layoutTray() {
    tray_ = kit::VisualEffectView::make(kit::BlurEffectStyle::systemChromeMaterial);
    view()->addSubview(tray_);
    extension::top(*tray_, std::nullopt, view()->leadingAnchor(), view()->bottomAnchor(),
                   view()->trailingAnchor(), {});
    extension::height(*tray_, 120);

    doneButton_ = kit::Button::buttonWithType(kit::ButtonType::system);
    doneButton_->setTitle("Done", kit::ControlState::normal);
    doneButton_->setTitleColor(kit::Color::whiteColor(), kit::ControlState::normal);
    doneButton_->setTitleFont(kit::Font::systemFontOfSize(17, kit::FontWeight::semibold));
    doneButton_->setBackgroundColor(SetupAppearance::setupAccentColour());
    doneButton_->setClipsToBounds(true);
    doneButton_->setCornerRadius(15);
    std::weak_ptr<TutorialViewController> weakSelf =
        std::static_pointer_cast<TutorialViewController>(shared_from_this());
    doneButton_->addAction(
        [weakSelf](const auto&) {
            auto self = weakSelf.lock();
            if (self && self->doneHandler_) {
                self->doneHandler_();
            }
        },
        kit::ControlEvents::touchUpInside);
    tray_->contentView()->addSubview(doneButton_);
    extension::top(*doneButton_, tray_->contentView()->topAnchor(),
                   tray_->contentView()->leadingAnchor(), std::nullopt,
                   tray_->contentView()->trailingAnchor(), {20, 30, 0, -30});
    extension::height(*doneButton_, 50);
}

}  // namespace kelvora
