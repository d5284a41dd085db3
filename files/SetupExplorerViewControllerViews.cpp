#include <algorithm>

#include "appearance/SetupAppearance.h"
#include "files/PlistFileCell.h"
#include "files/SetupExplorerViewController.h"
#include "platform/kit/Font.h"
#include "ui/extension.h"

namespace kelvora {

std::int64_t SetupExplorerViewController::numberOfRows(kit::TableView&, std::int64_t) {
    return static_cast<std::int64_t>(list_.setupArray().size());
}

std::optional<double> SetupExplorerViewController::heightForRow(kit::TableView&, kit::IndexPath) {
    return PlistFileCell::rowHeight;
}

std::shared_ptr<kit::TableViewCell> SetupExplorerViewController::cellForRow(
    kit::TableView& table, kit::IndexPath indexPath) {
    auto cell = std::dynamic_pointer_cast<PlistFileCell>(
        table.dequeueReusableCell(PlistFileCell::reuseIdentifier));
    if (!cell) {
        cell = PlistFileCell::make();
    }
    const auto& record = list_.setupArray().at(static_cast<std::size_t>(indexPath.row));
    bool checked =
        std::find(addedArray_.begin(), addedArray_.end(), record.plistName) != addedArray_.end();
    cell->configure(record, checked);
    cell->checkedIcon()->setAlpha(isInEditingMode_ ? 1 : 0);
    return cell;
}

void SetupExplorerViewController::didSelectRow(kit::TableView&, kit::IndexPath indexPath) {
    if (!isInEditingMode_) {
        return;
    }
    std::string name = list_.setupArray().at(static_cast<std::size_t>(indexPath.row)).plistName;
    auto found = std::find(addedArray_.begin(), addedArray_.end(), name);
    if (found != addedArray_.end()) {
        addedArray_.erase(found);
    } else {
        addedArray_.push_back(std::move(name));
    }
    auto table = tableView_;
    kit::View::transition(table, 0.1, kit::TransitionOption::crossDissolve,
                          [table] { table->reloadData(); });
}

void SetupExplorerViewController::layoutNoResultLabel() {
    noResultLabel_ = std::make_shared<kit::Label>();
    noResultLabel_->setText("You don't have any files. \nPress the plus button to add files.");
    noResultLabel_->setTextAlignment(kit::TextAlignment::center);
    noResultLabel_->setFont(kit::Font::systemFontOfSize(22, kit::FontWeight::semibold));
    noResultLabel_->setTextColor(kit::Color::tertiaryLabelColor());
    noResultLabel_->setNumberOfLines(3);
    noResultLabel_->setAlpha(0);
    view()->addSubview(noResultLabel_);
    const auto& root = *view();
    extension::y(*noResultLabel_, root.centerYAnchor());
    extension::leading(*noResultLabel_, root.leadingAnchor(), 20);
    extension::trailing(*noResultLabel_, root.trailingAnchor(), -20);
}

void SetupExplorerViewController::layoutTableView() {
    tableView_ = PlistFileCell::makeTable({7, 0, 7, 0});
    tableView_->setDataSource(kit::sharedSelf(this));
    tableView_->setDelegate(kit::sharedSelf(this));
    view()->addSubview(tableView_);
    extension::fill(*tableView_);
}

void SetupExplorerViewController::layoutMessageView() {
    messageView_ = SpinnerMessageView::init();
    messageView_->setAlpha(0);
    view()->addSubview(messageView_);
    extension::fill(*messageView_);
}

}  // namespace kelvora
