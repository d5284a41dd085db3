#include "settings/RestorePointsViewController.h"

#include "appearance/SetupAppearance.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/kit/AlertController.h"
#include "platform/kit/Font.h"
#include "platform/kit/NavigationController.h"
#include "settings/ZerovinPrefsButtonCell.h"
#include "store/RestorePoints.h"
#include "ui/OkayAlert.h"
#include "ui/PutBackPresenter.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

constexpr const char* kCellIdentifier = "RestorePointCell";

std::string subtitleOf(const RestorePoint& point) {
    if (point.damaged) {
        return "Damaged: its list of files is missing or unreadable";
    }
    const std::size_t count = point.entries.size();
    return foundation::DateFormatter::withPattern("MMM d, yyyy HH:mm")->format(point.date) +
           " \u2022 " + std::to_string(count) + (count == 1 ? " file" : " files");
}

}  // namespace

std::shared_ptr<RestorePointsViewController> RestorePointsViewController::make() {
    auto screen = std::make_shared<RestorePointsViewController>(Token{});
    screen->defineActions();
    return screen;
}

void RestorePointsViewController::defineActions() {
    defineAction("dismissVC", [this](const auto&) { dismissVC(); });
}

void RestorePointsViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    setTitle("Restore Points");
    navigationItem().setRightBarButtonItem(kit::BarButtonItem::withTitle(
        "Done", kit::BarButtonItemStyle::plain, weak_from_this(), "dismissVC"));
    layoutNoResultLabel();
    layoutTableView();
    reloadPoints();
}

void RestorePointsViewController::layoutTableView() {
    tableView_ = std::make_shared<kit::TableView>(kit::Rect{}, kit::TableViewStyle::plain);
    tableView_->setBackgroundColor(kit::Color::clearColor());
    tableView_->setSeparatorStyle(kit::TableViewSeparatorStyle::none);
    tableView_->setContentInset({10, 0, 10, 0});
    tableView_->setRowHeight(kRowHeight);
    tableView_->setDataSource(kit::sharedSelf(this));
    tableView_->setDelegate(kit::sharedSelf(this));
    view()->addSubview(tableView_);
    extension::fill(*tableView_);
}

void RestorePointsViewController::layoutNoResultLabel() {
    noResultLabel_ = std::make_shared<kit::Label>();
    noResultLabel_->setText("No restore points yet.\nEvery restore leaves one here.");
    noResultLabel_->setTextAlignment(kit::TextAlignment::center);
    noResultLabel_->setFont(kit::Font::systemFontOfSize(22, kit::FontWeight::semibold));
    noResultLabel_->setTextColor(kit::Color::tertiaryLabelColor());
    noResultLabel_->setNumberOfLines(3);
    view()->addSubview(noResultLabel_);
    extension::y(*noResultLabel_, view()->centerYAnchor());
    extension::leading(*noResultLabel_, view()->leadingAnchor(), 20);
    extension::trailing(*noResultLabel_, view()->trailingAnchor(), -20);
}

void RestorePointsViewController::reloadPoints() {
    points_ = RestorePoints::list();
    noResultLabel_->setAlpha(points_.empty() ? 1 : 0);
    tableView_->reloadData();
}

void RestorePointsViewController::dismissVC() {
    std::shared_ptr<kit::ViewController> shown = navigationController();
    if (!shown) {
        shown = kit::sharedSelf(this);
    }
    if (auto presenter = shown->presentingViewController()) {
        presenter->dismiss(true);
    }
}

std::int64_t RestorePointsViewController::numberOfRows(kit::TableView&, std::int64_t) {
    return static_cast<std::int64_t>(points_.size());
}

std::shared_ptr<kit::TableViewCell> RestorePointsViewController::cellForRow(
    kit::TableView& table, kit::IndexPath indexPath) {
    auto cell = std::dynamic_pointer_cast<ZerovinPrefsButtonCell>(
        table.dequeueReusableCell(kCellIdentifier));
    if (!cell) {
        cell = ZerovinPrefsButtonCell::make(kCellIdentifier);
    }
    const RestorePoint& point = points_.at(static_cast<std::size_t>(indexPath.row));
    const kit::Color colour =
        point.damaged ? kit::Color::systemRedColor() : SetupAppearance::setupAccentColour();
    cell->setBackgroundColor(kit::Color::clearColor());
    cell->setSelectionStyle(kit::TableViewCellSelectionStyle::none);
    cell->iconView()->setBackgroundColor(colour.withAlpha(0.4));
    cell->icon()->setTintColor(colour);
    cell->icon()->setImage(kit::Image::systemImageNamed(
        point.damaged ? "exclamationmark.triangle.fill" : "clock.arrow.circlepath"));
    cell->titleLabel()->setText(point.damaged ? "Damaged Restore Point" : point.restored);
    cell->subtitleLabel()->setText(subtitleOf(point));
    return cell;
}

void RestorePointsViewController::didSelectRow(kit::TableView&, kit::IndexPath indexPath) {
    showActionsOfPoint(points_.at(static_cast<std::size_t>(indexPath.row)));
}

void RestorePointsViewController::showActionsOfPoint(const RestorePoint& point) {
    const std::size_t count = point.entries.size();
    auto alert = kit::AlertController::make(
        point.damaged ? "Damaged Restore Point" : point.restored,
        point.damaged
            ? "Nothing can be put back from this restore point. Delete it?"
            : "Put back the " + std::to_string(count) + (count == 1 ? " file" : " files") +
                  " this restore changed, as they were before it, or delete this "
                  "restore point?",
        kit::AlertControllerStyle::alert);
    alert->view()->setTintColor(SetupAppearance::setupAccentColour());
    std::weak_ptr<RestorePointsViewController> weak = kit::sharedSelf(this);
    auto act = [weak, point](void (RestorePointsViewController::*operation)(const RestorePoint&)) {
        return [weak, point, operation] {
            if (auto screen = weak.lock()) {
                ((*screen).*operation)(point);
            }
        };
    };
    if (!point.damaged) {
        alert->addAction({"Put Back", kit::AlertActionStyle::defaultStyle,
                          act(&RestorePointsViewController::putBack), false});
    }
    alert->addAction({"Delete", kit::AlertActionStyle::destructive,
                      act(&RestorePointsViewController::deletePoint), false});
    alert->addAction({"Cancel", kit::AlertActionStyle::cancel, {}, false});
    present(alert, true);
}

void RestorePointsViewController::putBack(const RestorePoint& point) {
    auto self = kit::sharedSelf(this);
    PutBackPresenter::run(point, self, [self](const PutBackResult&) { self->reloadPoints(); });
}

void RestorePointsViewController::deletePoint(const RestorePoint& point) {
    auto removed = RestorePoints::remove(point);
    reloadPoints();
    if (!removed) {
        present(OkayAlert::make("Error", removed.error().description), true);
    }
}

}  // namespace kelvora
