#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/kit/CollectionView.h"
#include "platform/kit/Label.h"
#include "platform/kit/View.h"
#include "ui/IconCollectionViewProtocol.h"

namespace kelvora {

// The 132 symbols a Setup's icon is chosen from, six to a row. A tap fills the square with
// the accent colour, draws its symbol in white and tells the delegate the symbol's name;
// nothing is chosen until the first tap, and there is no way back to that. The grid does
// not scroll: the host gives the picker its size (22 rows need 1205 points).
class IconCollectionView final : public kit::View,
                                 public kit::CollectionViewDataSource,
                                 public kit::CollectionViewDelegate {
    struct Token {
        explicit Token() = default;
    };

  public:
    explicit IconCollectionView(Token) {}
    static std::shared_ptr<IconCollectionView> init();

    void loadIcons();

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

    std::shared_ptr<kit::CollectionView> collectionView;
    std::vector<std::string> iconArray;
    bool didSelectedIcon = false;
    std::int64_t selectedIndex = 0;
    std::weak_ptr<IconCollectionViewProtocol> delegate;

  private:
    void layoutCollectionView();
    static void setSymbol(kit::Label& label, const std::string& name, const kit::Color& tint);
};

}  // namespace kelvora
