#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "home/CreateNewSetupProtocol.h"
#include "home/TutorialViewController.h"
#include "platform/foundation/PropertyList.h"
#include "platform/kit/CollectionView.h"
#include "platform/kit/IndexPath.h"
#include "platform/kit/Label.h"
#include "platform/kit/ViewController.h"
#include "store/SetupData.h"

namespace kelvora {

// The home screen: every Setup as a coloured tile in a two-column grid, in the stored sort
// order, each with its count of preference files. A tile opens the Setup's explorer; its
// context menu offers "View" and "Delete". The bar's buttons choose the sort order and
// open the new-Setup form. The list is read afresh from the setup list file on every
// refresh: on a sort choice, after a delete, after a new Setup and whenever another screen
// posts "RefreshSetupDataNotification".
//
// Records of any shape are shown: a missing or non-string value shows as empty text, and
// such a record can still be deleted.
class SetupViewController final : public kit::ViewController,
                                  public kit::CollectionViewDataSource,
                                  public kit::CollectionViewDelegate,
                                  public CreateNewSetupProtocol {
  public:
    SetupViewController();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    std::string className() const override { return "SetupViewController"; }

    // The list.
    void loadSetupData();
    void refreshData();
    std::string getTotalSetupFilesWithSetupFolderName(const std::string& folderName) const;
    void deleteSetupFolderWithName(const std::string& folderName) const;
    void presentSortVC();

    // Navigation.
    void presentCreateSetupVC();
    void didCreatedNewSetupAndNeedUpdateWithData(const SetupData& data) override;
    void pushSetupExplorerViewControllerWithData(const SetupData& data);
    void presentTutorialVC();
    void dismissWelcomeController();

    // The grid.
    std::int64_t numberOfItems(kit::CollectionView& collectionView, std::int64_t section) override;
    std::shared_ptr<kit::CollectionViewCell> cellForItem(kit::CollectionView& collectionView,
                                                         kit::IndexPath indexPath) override;
    std::optional<kit::Size> sizeForItem(kit::CollectionView& collectionView,
                                         kit::IndexPath indexPath) override;
    std::optional<kit::EdgeInsets> insetForSection(kit::CollectionView& collectionView,
                                                   std::int64_t section) override;
    std::optional<double> minimumInteritemSpacing(kit::CollectionView& collectionView,
                                                  std::int64_t section) override;
    std::optional<double> minimumLineSpacing(kit::CollectionView& collectionView,
                                             std::int64_t section) override;
    void didSelectItem(kit::CollectionView& collectionView, kit::IndexPath indexPath) override;
    std::optional<kit::ContextMenuConfiguration> contextMenuConfigurationForItem(
        kit::CollectionView& collectionView, kit::IndexPath indexPath, kit::Point point) override;

    const std::shared_ptr<kit::CollectionView>& collectionView() const { return collectionView_; }
    const std::shared_ptr<kit::Label>& noResultLabel() const { return noResultLabel_; }

  private:
    void layoutNavigationItem();
    void layoutNoResultLabel();
    void layoutCollectionView();
    SetupData setupDataAt(std::int64_t item) const;
    void deleteSetupAt(std::int64_t item, const foundation::PlistValue& record);
    void chooseSortType(const std::string& choice);

    foundation::PlistArray setupArray_;
    std::shared_ptr<kit::Label> noResultLabel_;
    std::shared_ptr<kit::CollectionView> collectionView_;
    std::shared_ptr<TutorialViewController> welcomeController_;
};

}  // namespace kelvora
