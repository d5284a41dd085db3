#include "home/SetupViewController.h"

#include "appearance/SetupAppearance.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/kit/NavigationController.h"
#include "store/HexColourCodec.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"
#include "ui/SetupCell.h"
#include "ui/extension.h"

namespace kelvora {

SetupViewController::SetupViewController() {
    defineAction("presentSortVC", [this](const auto&) { presentSortVC(); });
    defineAction("presentCreateSetupVC", [this](const auto&) { presentCreateSetupVC(); });
}

void SetupViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    layoutNavigationItem();
    layoutNoResultLabel();
    std::weak_ptr<SetupViewController> weakSelf = kit::sharedSelf(this);
    foundation::NotificationCenter::defaultCenter().addObserver(
        std::static_pointer_cast<const void>(kit::sharedSelf(this)), "RefreshSetupDataNotification",
        [weakSelf](const foundation::Notification&) {
            if (auto screen = weakSelf.lock()) {
                screen->refreshData();
            }
        });
    loadSetupData();
    layoutCollectionView();
    if (!SetupManager::sharedInstance().boolForKey(kDidShowTutorialKey, false,
                                                   std::string(kKelvoraPrefsID))) {
        // The view is not in a window while it loads, and a screen off the window cannot
        // present; the next turn of the queue finds it shown.
        foundation::MainQueue::main().async([weakSelf] {
            if (auto screen = weakSelf.lock()) {
                screen->presentTutorialVC();
            }
        });
    }
}

// The explorer pushed on the same stack shows a toolbar; this screen has none.
void SetupViewController::viewWillAppear(bool animated) {
    kit::ViewController::viewWillAppear(animated);
    if (auto navigation = navigationController()) {
        navigation->setToolbarHidden(true);
    }
}

void SetupViewController::layoutNavigationItem() {
    setTitle("Setup");
    if (auto navigation = navigationController()) {
        navigation->navigationBar()->setPrefersLargeTitles(true);
    }
    navigationItem().setLargeTitleDisplayMode(kit::LargeTitleDisplayMode::always);
    navigationItem().setLeftBarButtonItem(kit::BarButtonItem::withImage(
        kit::Image::systemImageNamed("text.append"), kit::BarButtonItemStyle::plain,
        kit::sharedSelf(this), "presentSortVC"));
    navigationItem().setRightBarButtonItem(kit::BarButtonItem::withImage(
        kit::Image::systemImageNamed("plus"), kit::BarButtonItemStyle::plain, kit::sharedSelf(this),
        "presentCreateSetupVC"));
}

void SetupViewController::layoutNoResultLabel() {
    noResultLabel_ = std::make_shared<kit::Label>();
    noResultLabel_->setText(
        "You don't have any Setup's. \nPress the plus button to create a Setup.");
    noResultLabel_->setTextAlignment(kit::TextAlignment::center);
    noResultLabel_->setTextColor(kit::Color::tertiaryLabelColor());
    noResultLabel_->setFont(kit::Font::systemFontOfSize(22, kit::FontWeight::semibold));
    noResultLabel_->setNumberOfLines(3);
    noResultLabel_->setAlpha(0);
    view()->addSubview(noResultLabel_);
    extension::y(*noResultLabel_, view()->centerYAnchor());
    extension::leading(*noResultLabel_, view()->leadingAnchor(), 20);
    extension::trailing(*noResultLabel_, view()->trailingAnchor(), -20);
}

void SetupViewController::layoutCollectionView() {
    collectionView_ = std::make_shared<kit::CollectionView>(
        kit::Rect{}, std::make_shared<kit::CollectionViewFlowLayout>());
    collectionView_->setBackgroundColor(kit::Color::clearColor());
    collectionView_->setShowsHorizontalScrollIndicator(false);
    collectionView_->setShowsVerticalScrollIndicator(false);
    collectionView_->registerCell("Cell", [] { return SetupCell::make(); });
    collectionView_->setDelegate(kit::sharedSelf(this));
    collectionView_->setDataSource(kit::sharedSelf(this));
    view()->addSubview(collectionView_);
    extension::fill(*collectionView_);
}

std::int64_t SetupViewController::numberOfItems(kit::CollectionView&, std::int64_t) {
    return static_cast<std::int64_t>(setupArray_.size());
}

std::shared_ptr<kit::CollectionViewCell> SetupViewController::cellForItem(
    kit::CollectionView& grid, kit::IndexPath indexPath) {
    auto cell = std::static_pointer_cast<SetupCell>(grid.dequeueReusableCell("Cell", indexPath));
    SetupData data = setupDataAt(indexPath.item());
    cell->setBackgroundColor(kit::Color::clearColor());
    cell->baseView->setBackgroundColor(HexColourCodec().colorWithHexString(data.setupColour));
    cell->icon->setTintColor(kit::Color::whiteColor());
    cell->icon->setImage(kit::Image::systemImageNamed(data.setupIcon));
    cell->nameLabel->setText(data.setupName);
    cell->countLabel->setText(getTotalSetupFilesWithSetupFolderName(data.setupFolderName));
    cell->setAccessibilityLabel(data.setupName);
    return cell;
}

// Two tiles side by side on any width.
std::optional<kit::Size> SetupViewController::sizeForItem(kit::CollectionView&, kit::IndexPath) {
    return kit::Size{view()->bounds().size.width * 0.5 - 15, 105};
}

std::optional<kit::EdgeInsets> SetupViewController::insetForSection(kit::CollectionView&,
                                                                    std::int64_t) {
    return kit::EdgeInsets{20, 10, 20, 10};
}

std::optional<double> SetupViewController::minimumInteritemSpacing(kit::CollectionView&,
                                                                   std::int64_t) {
    return 10.0;
}

std::optional<double> SetupViewController::minimumLineSpacing(kit::CollectionView&, std::int64_t) {
    return 10.0;
}

void SetupViewController::didSelectItem(kit::CollectionView&, kit::IndexPath indexPath) {
    pushSetupExplorerViewControllerWithData(setupDataAt(indexPath.item()));
}

std::optional<kit::ContextMenuConfiguration> SetupViewController::contextMenuConfigurationForItem(
    kit::CollectionView&, kit::IndexPath indexPath, kit::Point) {
    std::weak_ptr<SetupViewController> weakSelf = kit::sharedSelf(this);
    std::int64_t item = indexPath.item();
    // The record is kept with the menu: the list may be reloaded while the menu is up, and
    // then the item's position names another Setup.
    foundation::PlistValue record;
    if (item >= 0 && static_cast<std::size_t>(item) < setupArray_.size()) {
        record = setupArray_[static_cast<std::size_t>(item)];
    }
    auto menu = [weakSelf, item, record]() -> kit::Menu {
        auto view = [weakSelf, record] {
            if (auto owner = weakSelf.lock()) {
                owner->pushSetupExplorerViewControllerWithData(SetupData::fromRecord(record));
            }
        };
        auto remove = [weakSelf, item, record] {
            if (auto owner = weakSelf.lock()) {
                owner->deleteSetupAt(item, record);
            }
        };
        return {SetupData::fromRecord(record).setupName,
                {{"View", "eye.fill", false, view}, {"Delete", "trash.fill", true, remove}}};
    };
    return kit::ContextMenuConfiguration{menu, {}};
}

}  // namespace kelvora
