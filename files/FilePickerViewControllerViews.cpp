#include <algorithm>

#include "appearance/SetupAppearance.h"
#include "files/FilePickerViewController.h"
#include "files/PlistFileCell.h"
#include "platform/kit/Button.h"
#include "platform/kit/Control.h"
#include "platform/kit/Font.h"
#include "platform/kit/Toolbar.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

// How far the list must be scrolled before the jump button shows.
constexpr double kJumpThreshold = 275;

}  // namespace

std::int64_t FilePickerViewController::numberOfRows(kit::TableView&, std::int64_t) {
    return static_cast<std::int64_t>(catalogue_.plistCount());
}

std::optional<double> FilePickerViewController::heightForRow(kit::TableView&, kit::IndexPath) {
    return PlistFileCell::rowHeight;
}

std::shared_ptr<kit::TableViewCell> FilePickerViewController::cellForRow(kit::TableView& table,
                                                                         kit::IndexPath indexPath) {
    auto cell = std::dynamic_pointer_cast<PlistFileCell>(
        table.dequeueReusableCell(PlistFileCell::reuseIdentifier));
    if (!cell) {
        cell = PlistFileCell::make();
    }
    const auto& record = catalogue_.plistAt(static_cast<std::size_t>(indexPath.row));
    bool checked =
        std::find(addedArray_.begin(), addedArray_.end(), record.plistName) != addedArray_.end();
    cell->configure(record, checked);
    return cell;
}

void FilePickerViewController::didSelectRow(kit::TableView& table, kit::IndexPath indexPath) {
    table.deselectRow(indexPath, false);
    std::string name = catalogue_.plistAt(static_cast<std::size_t>(indexPath.row)).plistName;
    auto found = std::find(addedArray_.begin(), addedArray_.end(), name);
    if (found != addedArray_.end()) {
        addedArray_.erase(found);
    } else {
        addedArray_.push_back(std::move(name));
    }
    reloadAnimated();
}

void FilePickerViewController::reloadAnimated() {
    auto table = tableView_;
    kit::View::transition(table, 0.1, kit::TransitionOption::crossDissolve,
                          [table] { table->reloadData(); });
}

void FilePickerViewController::scrollViewDidScroll(kit::ScrollView& scrollView) {
    double y = scrollView.contentOffset().y;
    if (y == kJumpThreshold || !jumpView_) {
        return;
    }
    double alpha = y > kJumpThreshold ? 1 : 0;
    auto jump = jumpView_;
    kit::View::animate(0.2, [jump, alpha] { jump->setAlpha(alpha); });
}

void FilePickerViewController::scrollToTop() {
    if (catalogue_.plistCount() == 0) {
        return;
    }
    tableView_->scrollToRow({0, kit::IndexPath::notFound}, kit::TableViewScrollPosition::top, true);
}

bool FilePickerViewController::textFieldShouldBeginEditing(
    const std::shared_ptr<kit::TextField>& field) {
    updateSearchResultWithString(field->text());
    field->setInputAccessoryView(textToolBarButtons());
    return true;
}

void FilePickerViewController::textFieldDidEndEditing(
    const std::shared_ptr<kit::TextField>& field) {
    updateSearchResultWithString(field->text());
}

bool FilePickerViewController::textFieldShouldReturn(const std::shared_ptr<kit::TextField>& field) {
    field->resignFirstResponder();
    return true;
}

void FilePickerViewController::dismissKeyboard() {
    searchTextField_->resignFirstResponder();
}

void FilePickerViewController::cancelSearch() {
    dismissKeyboard();
    searchTextField_->setText("");
    updateSearchResultWithString("");
}

std::shared_ptr<kit::View> FilePickerViewController::textToolBarButtons() {
    using kit::BarButtonItem;
    auto self = weak_from_this();
    auto toolbar = kit::Toolbar::make();
    toolbar->setTintColor(SetupAppearance::setupAccentColour());
    toolbar->setItems(
        {BarButtonItem::withTitle("Cancel", kit::BarButtonItemStyle::plain, self, "cancelSearch"),
         BarButtonItem::withSystemItem(kit::BarButtonSystemItem::flexibleSpace, {}, ""),
         BarButtonItem::withTitle("Done", kit::BarButtonItemStyle::plain, self,
                                  "dismissKeyboard")});
    return toolbar;
}

void FilePickerViewController::layoutTableView() {
    tableView_ = PlistFileCell::makeTable({56, 0, 70, 0});
    tableView_->setDataSource(kit::sharedSelf(this));
    tableView_->setDelegate(kit::sharedSelf(this));
    view()->addSubview(tableView_);
    extension::fill(*tableView_);
}

void FilePickerViewController::layoutNavigation() {
    navbarView_ = DynamicNavigationBar::initWithTitle("");
    view()->addSubview(navbarView_);
    auto strip = std::make_shared<kit::View>();
    view()->addSubview(strip);
    const auto& root = *view();
    extension::top(*strip, root.safeAreaLayoutGuide().topAnchor(), root.leadingAnchor(),
                   std::nullopt, root.trailingAnchor(), {});
    extension::height(*strip, 50);
    extension::top(*navbarView_, root.topAnchor(), root.leadingAnchor(), strip->bottomAnchor(),
                   root.trailingAnchor(), {});
    searchBarView_ = layoutSearchBar(strip);
    layoutSearchField();
    layoutNoResultLabel();
    layoutJumpView();
    layoutMessageView();
}

std::shared_ptr<kit::View> FilePickerViewController::layoutSearchBar(
    const std::shared_ptr<kit::View>& strip) {
    auto bar = std::make_shared<kit::View>();
    bar->setBackgroundColor(SetupAppearance::secondaryColour());
    bar->setCornerRadius(10);
    bar->setContinuousCorners(true);
    bar->setBorderWidth(0.4);
    bar->setBorderColor(kit::Color::tertiaryLabelColor().withAlpha(0.1));
    bar->setClipsToBounds(true);
    strip->addSubview(bar);
    extension::leading(*bar, strip->leadingAnchor(), 15);
    extension::trailing(*bar, strip->trailingAnchor(), -15);
    extension::height(*bar, 35);
    extension::bottom(*bar, strip->bottomAnchor(), -7.5);
    return bar;
}

void FilePickerViewController::layoutSearchField() {
    searchIcon_ = std::make_shared<kit::ImageView>();
    searchIcon_->setImage(kit::Image::systemImageNamed(
        "magnifyingglass", kit::ImageSymbolConfiguration::configurationWithPointSize(20)));
    searchIcon_->setContentMode(kit::ContentMode::scaleAspectFit);
    searchIcon_->setTintColor(kit::Color::tertiaryLabelColor());
    searchBarView_->addSubview(searchIcon_);
    extension::size(*searchIcon_, {20, 20});
    extension::y(*searchIcon_, searchBarView_->centerYAnchor());
    extension::leading(*searchIcon_, searchBarView_->leadingAnchor(), 5);

    searchTextField_ = std::make_shared<kit::TextField>();
    searchTextField_->setFont(kit::Font::systemFontOfSize(18));
    searchTextField_->setPlaceholder("Search...");
    searchTextField_->setBackgroundColor(kit::Color::clearColor());
    searchTextField_->setTintColor(SetupAppearance::setupAccentColour());
    searchTextField_->setAutocorrectionType(kit::TextAutocorrectionType::no);
    searchTextField_->setKeyboardType(kit::KeyboardType::asciiCapable);
    searchTextField_->setClearButtonMode(kit::TextFieldViewMode::whileEditing);
    searchTextField_->setDelegate(kit::sharedSelf(this));
    std::weak_ptr<FilePickerViewController> weak = kit::sharedSelf(this);
    searchTextField_->addAction(
        [weak](const auto& sender) {
            auto picker = weak.lock();
            auto field = std::dynamic_pointer_cast<kit::TextField>(sender);
            if (picker && field) {
                picker->updateSearchResultWithString(field->text());
            }
        },
        kit::ControlEvents::editingChanged);
    searchBarView_->addSubview(searchTextField_);
    extension::top(*searchTextField_, searchBarView_->topAnchor(), searchIcon_->trailingAnchor(),
                   searchBarView_->bottomAnchor(), searchBarView_->trailingAnchor(), {0, 5, 0, -5});
}

void FilePickerViewController::layoutNoResultLabel() {
    noResultLabel_ = std::make_shared<kit::Label>();
    noResultLabel_->setText("No Results");
    noResultLabel_->setTextAlignment(kit::TextAlignment::center);
    noResultLabel_->setFont(kit::Font::systemFontOfSize(24, kit::FontWeight::semibold));
    noResultLabel_->setTextColor(kit::Color::tertiaryLabelColor());
    noResultLabel_->setAlpha(0);
    view()->addSubview(noResultLabel_);
    extension::x(*noResultLabel_, view()->centerXAnchor(), view()->centerYAnchor());
}

void FilePickerViewController::layoutJumpView() {
    auto jump = std::make_shared<kit::Control>();
    jump->setBackgroundColor(SetupAppearance::setupAccentColour());
    jump->setCornerRadius(25);
    jump->setAlpha(0);
    std::weak_ptr<FilePickerViewController> weak = kit::sharedSelf(this);
    jump->addAction(
        [weak](const auto&) {
            if (auto picker = weak.lock()) {
                picker->scrollToTop();
            }
        },
        kit::ControlEvents::touchUpInside);
    view()->addSubview(jump);
    extension::size(*jump, {50, 50});
    extension::bottom(*jump, view()->safeAreaLayoutGuide().bottomAnchor(), -15);
    extension::trailing(*jump, view()->trailingAnchor(), -15);
    auto chevron = std::make_shared<kit::ImageView>();
    chevron->setImage(kit::Image::systemImageNamed("chevron.up"));
    chevron->setTintColor(kit::Color::whiteColor());
    chevron->setContentMode(kit::ContentMode::scaleAspectFit);
    chevron->setUserInteractionEnabled(false);
    jump->addSubview(chevron);
    extension::size(*chevron, {30, 30});
    extension::x(*chevron, jump->centerXAnchor(), jump->centerYAnchor());
    jumpView_ = jump;
}

void FilePickerViewController::layoutMessageView() {
    messageView_ = SpinnerMessageView::init();
    messageView_->setAlpha(0);
    view()->addSubview(messageView_);
    extension::fill(*messageView_);
}

}  // namespace kelvora
