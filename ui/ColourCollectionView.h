#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/kit/CollectionView.h"
#include "platform/kit/View.h"
#include "ui/ColourCollectionViewProtocol.h"

namespace kelvora {

// The eighteen swatches a Setup's colour is chosen from, six to a row. A tap rings the
// swatch in its own full colour and tells the delegate its hex string; nothing is chosen
// until the first tap, and there is no way back to that. The grid does not scroll: the
// host gives the picker its size (three rows need 160 points).
class ColourCollectionView final : public kit::View,
                                   public kit::CollectionViewDataSource,
                                   public kit::CollectionViewDelegate {
    struct Token {
        explicit Token() = default;
    };

  public:
    explicit ColourCollectionView(Token) {}
    static std::shared_ptr<ColourCollectionView> init();

    void loadColours();
    kit::Color colorWithHexString(const std::string& hex) const;

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
    std::vector<std::string> colourArray;
    bool didSelectedColour = false;
    std::int64_t selectedIndex = 0;
    std::weak_ptr<ColourCollectionViewProtocol> delegate;

  private:
    void layoutCollectionView();
};

}  // namespace kelvora
