#include "files/KeyDiffViewController.h"

#include "appearance/SetupAppearance.h"
#include "files/PlistFileCell.h"
#include "files/ReviewRows.h"
#include "platform/kit/NavigationController.h"

namespace kelvora {

namespace {

const char* symbolOf(KeyChange::Kind kind) {
    switch (kind) {
        case KeyChange::Kind::added:
            return "plus";
        case KeyChange::Kind::removed:
            return "minus";
        default:
            return "pencil";
    }
}

std::string valuesOf(const KeyChange& change) {
    switch (change.kind) {
        case KeyChange::Kind::added:
            return change.after;
        case KeyChange::Kind::removed:
            return change.before;
        default:
            return change.before + " \u2192 " + change.after;
    }
}

}  // namespace

KeyDiffViewController::KeyDiffViewController(Token, std::string name, std::string livePath,
                                             std::string incomingPath)
    : name_(std::move(name)),
      livePath_(std::move(livePath)),
      incomingPath_(std::move(incomingPath)) {}

std::shared_ptr<KeyDiffViewController> KeyDiffViewController::make(std::string name,
                                                                   std::string livePath,
                                                                   std::string incomingPath) {
    return std::make_shared<KeyDiffViewController>(Token{}, std::move(name), std::move(livePath),
                                                   std::move(incomingPath));
}

// The title leaves out the extension, which every preference file has, so that more of the
// domain fits beside the back button.
void KeyDiffViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    const std::string extension = ".plist";
    setTitle(name_.ends_with(extension) ? name_.substr(0, name_.size() - extension.size()) : name_);
    const PlistDiff::Files diff = PlistDiff::ofFiles(livePath_, incomingPath_);
    if (diff.unreadable) {
        ReviewRows::addMessage(
            *view(), "\u201C" + *diff.unreadable +
                         "\u201D is not a readable property list, so its keys cannot be compared.");
    } else if (diff.changes.empty()) {
        ReviewRows::addMessage(*view(),
                               "Every key is the same; only the way the file is written differs.");
    } else {
        groupChanges(diff.changes);
        ReviewRows::addTable(*view(), kit::sharedSelf(this), kit::sharedSelf(this));
    }
}

// The review under it shows a toolbar; this screen has none.
void KeyDiffViewController::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    if (auto navigation = navigationController()) {
        navigation->setToolbarHidden(true);
    }
}

void KeyDiffViewController::groupChanges(const std::vector<KeyChange>& changes) {
    const std::pair<KeyChange::Kind, const char*> order[] = {{KeyChange::Kind::changed, "Changed"},
                                                             {KeyChange::Kind::added, "Added"},
                                                             {KeyChange::Kind::removed, "Removed"}};
    for (const auto& [kind, title] : order) {
        Group group{title, {}};
        for (const auto& change : changes) {
            if (change.kind == kind) {
                group.changes.push_back(change);
            }
        }
        if (!group.changes.empty()) {
            group.title += " (" + std::to_string(group.changes.size()) + ")";
            groups_.push_back(std::move(group));
        }
    }
}

std::int64_t KeyDiffViewController::numberOfSections(kit::TableView&) {
    return static_cast<std::int64_t>(groups_.size());
}

std::int64_t KeyDiffViewController::numberOfRows(kit::TableView&, std::int64_t section) {
    return static_cast<std::int64_t>(groups_.at(static_cast<std::size_t>(section)).changes.size());
}

std::shared_ptr<kit::TableViewCell> KeyDiffViewController::cellForRow(kit::TableView& table,
                                                                      kit::IndexPath indexPath) {
    auto cell = std::dynamic_pointer_cast<PlistFileCell>(
        table.dequeueReusableCell(PlistFileCell::reuseIdentifier));
    if (!cell) {
        cell = PlistFileCell::make();
    }
    const KeyChange& change = groups_.at(static_cast<std::size_t>(indexPath.section))
                                  .changes.at(static_cast<std::size_t>(indexPath.row));
    ReviewRows::fill(*cell, change.path, valuesOf(change), symbolOf(change.kind), false);
    return cell;
}

std::optional<double> KeyDiffViewController::heightForHeader(kit::TableView&, std::int64_t) {
    return ReviewRows::kHeaderHeight;
}

std::shared_ptr<kit::View> KeyDiffViewController::viewForHeader(kit::TableView&,
                                                                std::int64_t section) {
    return ReviewRows::header(groups_.at(static_cast<std::size_t>(section)).title);
}

}  // namespace kelvora
