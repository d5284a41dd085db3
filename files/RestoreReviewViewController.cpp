#include "files/RestoreReviewViewController.h"

#include "appearance/SetupAppearance.h"
#include "files/KeyDiffViewController.h"
#include "files/ReviewRows.h"
#include "platform/foundation/FileManager.h"
#include "platform/kit/NavigationController.h"

namespace kelvora {

RestoreReviewViewController::RestoreReviewViewController(Token, std::string setupFolder,
                                                         std::string preferencesFolder,
                                                         Restore restore)
    : setupFolder_(std::move(setupFolder)),
      preferencesFolder_(std::move(preferencesFolder)),
      restore_(std::move(restore)) {}

std::shared_ptr<RestoreReviewViewController> RestoreReviewViewController::make(
    std::string setupFolder, std::string preferencesFolder, Restore restore) {
    auto review = std::make_shared<RestoreReviewViewController>(
        Token{}, std::move(setupFolder), std::move(preferencesFolder), std::move(restore));
    review->defineActions();
    return review;
}

void RestoreReviewViewController::defineActions() {
    defineAction("cancelReview", [this](const auto&) { cancelReview(); });
    defineAction("startRestore", [this](const auto&) { startRestore(); });
}

// Each group's count is in its heading; an empty group is left out.
void RestoreReviewViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    setTitle("Review Changes");
    review_ = RestoreReview::of(setupFolder_, preferencesFolder_);
    const Group all[] = {
        {"Will Change", &review_.willChange, "pencil", "Differs from the file in Preferences",
         true},
        {"Will Be Added", &review_.willBeAdded, "plus", "Not in Preferences yet", false},
        {"Already the Same", &review_.alreadySame, "checkmark", "Same as the file in Preferences",
         false}};
    for (const Group& group : all) {
        if (!group.names->empty()) {
            groups_.push_back(group);
            groups_.back().title += " (" + std::to_string(group.names->size()) + ")";
        }
    }
    ReviewRows::addTable(*view(), kit::sharedSelf(this), kit::sharedSelf(this));
    layoutToolbar();
    if (groups_.empty()) {
        ReviewRows::addMessage(*view(), "This Setup has no files to restore.");
    }
}

// Back from a file's keys, which hide the toolbar.
void RestoreReviewViewController::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    if (auto navigation = navigationController()) {
        navigation->setToolbarHidden(false);
    }
}

void RestoreReviewViewController::layoutToolbar() {
    auto item = [this](const char* title, const char* action) {
        return kit::BarButtonItem::withTitle(title, kit::BarButtonItemStyle::plain,
                                             weak_from_this(), action);
    };
    setToolbarItems(
        {item("Cancel", "cancelReview"),
         kit::BarButtonItem::withSystemItem(kit::BarButtonSystemItem::flexibleSpace, {}, ""),
         item("Restore", "startRestore")});
}

void RestoreReviewViewController::cancelReview() {
    if (auto navigation = navigationController()) {
        navigation->popViewController(true);
    }
}

// The Setup's screen is back on top before the restore starts, so that its overlay and alerts
// are the ones on screen.
void RestoreReviewViewController::startRestore() {
    // Popping lets go of this screen; it must outlive the restore it starts.
    auto self = kit::sharedSelf(this);
    cancelReview();
    if (restore_) {
        restore_();
    }
}

const RestoreReviewViewController::Group& RestoreReviewViewController::groupAt(
    std::int64_t section) const {
    return groups_.at(static_cast<std::size_t>(section));
}

std::int64_t RestoreReviewViewController::numberOfSections(kit::TableView&) {
    return static_cast<std::int64_t>(groups_.size());
}

std::int64_t RestoreReviewViewController::numberOfRows(kit::TableView&, std::int64_t section) {
    return static_cast<std::int64_t>(groupAt(section).names->size());
}

std::shared_ptr<kit::TableViewCell> RestoreReviewViewController::cellForRow(
    kit::TableView& table, kit::IndexPath indexPath) {
    auto cell = std::dynamic_pointer_cast<PlistFileCell>(
        table.dequeueReusableCell(PlistFileCell::reuseIdentifier));
    if (!cell) {
        cell = PlistFileCell::make();
    }
    const Group& group = groupAt(indexPath.section);
    ReviewRows::fill(*cell, group.names->at(static_cast<std::size_t>(indexPath.row)),
                     group.subtitle, group.symbol, group.opensKeys);
    return cell;
}

std::optional<double> RestoreReviewViewController::heightForHeader(kit::TableView&, std::int64_t) {
    return ReviewRows::kHeaderHeight;
}

std::shared_ptr<kit::View> RestoreReviewViewController::viewForHeader(kit::TableView&,
                                                                      std::int64_t section) {
    return ReviewRows::header(groupAt(section).title);
}

void RestoreReviewViewController::didSelectRow(kit::TableView&, kit::IndexPath indexPath) {
    const Group& group = groupAt(indexPath.section);
    auto navigation = navigationController();
    if (!group.opensKeys || !navigation) {
        return;
    }
    const std::string& name = group.names->at(static_cast<std::size_t>(indexPath.row));
    navigation->pushViewController(
        KeyDiffViewController::make(name,
                                    foundation::appendingPathComponent(preferencesFolder_, name),
                                    foundation::appendingPathComponent(setupFolder_, name)),
        true);
}

}  // namespace kelvora
