#include "settings/SettingViewController.h"

#include <utility>

#include "appearance/SetupAppearance.h"
#include "platform/kit/Font.h"
#include "platform/kit/ImageView.h"
#include "platform/kit/TabBar.h"
#include "platform/kit/TabBarController.h"
#include "settings/SettingsActions.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

constexpr double kTopBarHeight = 90;
constexpr double kTableHeaderHeight = 230;

}  // namespace

SettingViewController::SettingViewController(Token, foundation::Bundle bundle)
    : bundle_(std::move(bundle)), model_(kit::Color::grayColor()) {}

std::shared_ptr<SettingViewController> SettingViewController::make(foundation::Bundle bundle) {
    auto screen = std::make_shared<SettingViewController>(Token{}, std::move(bundle));
    screen->defineNamedActions();
    return screen;
}

void SettingViewController::defineNamedActions() {
    std::weak_ptr<SettingViewController> weak = kit::sharedSelf(this);
    auto bind = [weak](void (SettingViewController::*operation)()) {
        return [weak, operation](const std::shared_ptr<kit::Responder>&) {
            if (auto screen = weak.lock()) {
                ((*screen).*operation)();
            }
        };
    };
    using namespace SettingsActions;
    defineAction(std::string(kPresentRestoreOriginalFilesConfirmation),
                 bind(&SettingViewController::presentRestoreOriginalFilesConfirmation));
    defineAction(std::string(kPresentChangelogVC),
                 bind(&SettingViewController::presentChangelogVC));
    defineAction(std::string(kPresentTutorialVC), bind(&SettingViewController::presentTutorialVC));
    defineAction(std::string(kPresentRestorePointsVC),
                 bind(&SettingViewController::presentRestorePointsVC));
}

// The model reads the accent colour for rows without their own, and the table reads the
// model, so the order of these steps matters.
void SettingViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    model_ = SettingsModel(SetupAppearance::setupAccentColour());
    layoutHeaderView();
    model_.setupData(bundle_);
    layoutTableView();
    view()->addSubview(headerView_);
}

// The last rows can scroll clear of the tab bar, home indicator included. The bar may not be
// placed yet, so its height is worked out as the tab controller places it.
void SettingViewController::viewWillAppear(bool) {
    auto tabs = tabBarController();
    const double tabBarHeight =
        tabs ? kit::TabBar::barHeight + tabs->view()->safeAreaInsets().bottom : 0;
    tableView_->setContentInset({0, 0, tabBarHeight + 10, 0});
}

void SettingViewController::layoutHeaderView() {
    headerView_ = std::make_shared<kit::View>();
    headerView_->setBackgroundColor(kit::Color::clearColor());
    headerView_->setCornerRadius(20);
    headerView_->setContinuousCorners(true);
    headerView_->setMaskedCorners(kit::minXMaxYCorner | kit::maxXMaxYCorner);
    headerView_->setClipsToBounds(true);
    headerView_->setFrame({0, 0, view()->bounds().width(), kTopBarHeight});

    navTitle_ = std::make_shared<kit::Label>();
    navTitle_->setText("Settings");
    navTitle_->setTextAlignment(kit::TextAlignment::center);
    navTitle_->setTextColor(kit::Color::labelColor());
    navTitle_->setFont(kit::Font::boldSystemFontOfSize(22));
    headerView_->addSubview(navTitle_);
    extension::x(*navTitle_, headerView_->centerXAnchor());
    // Level with the middle of a 35-point square 12 above the bar's bottom.
    extension::y(*navTitle_, headerView_->bottomAnchor(), -29.5);
}

void SettingViewController::layoutTableView() {
    tableView_ = std::make_shared<kit::TableView>(view()->bounds(), kit::TableViewStyle::grouped);
    tableView_->setBackgroundColor(kit::Color::clearColor());
    tableView_->setShowsVerticalScrollIndicator(false);
    tableView_->setSeparatorStyle(kit::TableViewSeparatorStyle::none);
    // The content starts under the top bar, which the panel of the table header fills.
    tableView_->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
    tableView_->setRowHeight(kRowHeight);
    tableView_->setSectionHeaderHeight(kSectionHeaderHeight);
    tableView_->setDataSource(kit::sharedSelf(this));
    tableView_->setDelegate(kit::sharedSelf(this));
    tableView_->setTableHeaderView(makeTableHeader());
    view()->addSubview(tableView_);
    extension::fill(*tableView_);

    messageView_ = SpinnerMessageView::init();
    messageView_->setAlpha(0);
    view()->addSubview(messageView_);
    extension::fill(*messageView_);
}

std::shared_ptr<kit::View> SettingViewController::makeTableHeader() const {
    auto header = std::make_shared<kit::View>(kit::Rect{0, 0, 0, kTableHeaderHeight});

    // Reaches far above the table's top so that pulling the table down shows no gap.
    auto panel = std::make_shared<kit::View>();
    panel->setBackgroundColor(SetupAppearance::secondaryColour());
    panel->setCornerRadius(30);
    panel->setContinuousCorners(true);
    panel->setMaskedCorners(kit::minXMaxYCorner | kit::maxXMaxYCorner);
    header->addSubview(panel);
    extension::top(*panel, header->topAnchor(), header->leadingAnchor(), std::nullopt,
                   header->trailingAnchor(), {-270, 0, 0, 0});
    extension::height(*panel, 500);

    auto icon = std::make_shared<kit::ImageView>(kit::Image::imageNamed("kelvora"));
    header->addSubview(icon);
    extension::size(*icon, {70, 70});
    extension::x(*icon, header->centerXAnchor());
    extension::top(*icon, header->topAnchor(), 110);

    auto version = std::make_shared<kit::Label>();
    version->setText("version 1.3");
    version->setTextAlignment(kit::TextAlignment::center);
    version->setTextColor(kit::Color::tertiaryLabelColor());
    version->setFont(kit::Font::systemFontOfSize(14, kit::FontWeight::semibold));
    header->addSubview(version);
    extension::x(*version, header->centerXAnchor());
    extension::top(*version, icon->bottomAnchor(), 15);
    return header;
}

}  // namespace kelvora
