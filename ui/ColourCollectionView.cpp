#include "ui/ColourCollectionView.h"

#include "store/HexColourCodec.h"
#include "ui/ColourCell.h"
#include "ui/extension.h"

namespace kelvora {

std::shared_ptr<ColourCollectionView> ColourCollectionView::init() {
    auto picker = std::make_shared<ColourCollectionView>(Token{});
    picker->loadColours();
    picker->layoutCollectionView();
    return picker;
}

void ColourCollectionView::loadColours() {
    colourArray = {"A2845E", "8E8E93", "48484A", "0A84FE", "00F0E4", "40C8E0",
                   "A4FE00", "30D158", "5E5CE6", "EDB2FE", "BF5AF2", "FE74CB",
                   "FE375F", "FF453A", "FECCCC", "FF9F0A", "FFD50A", "FEE9CD"};
}

kit::Color ColourCollectionView::colorWithHexString(const std::string& hex) const {
    return HexColourCodec().colorWithHexString(hex);
}

void ColourCollectionView::layoutCollectionView() {
    collectionView = std::make_shared<kit::CollectionView>(
        kit::Rect{}, std::make_shared<kit::CollectionViewFlowLayout>());
    collectionView->setBackgroundColor(kit::Color::clearColor());
    collectionView->setShowsHorizontalScrollIndicator(false);
    collectionView->setShowsVerticalScrollIndicator(false);
    collectionView->registerCell("Cell", [] { return ColourCell::make(); });
    collectionView->setScrollEnabled(false);
    addSubview(collectionView);
    auto self = std::static_pointer_cast<ColourCollectionView>(shared_from_this());
    collectionView->setDelegate(self);
    collectionView->setDataSource(self);
    extension::fill(*collectionView);
}

std::int64_t ColourCollectionView::numberOfItems(kit::CollectionView&, std::int64_t) {
    return static_cast<std::int64_t>(colourArray.size());
}

std::shared_ptr<kit::CollectionViewCell> ColourCollectionView::cellForItem(
    kit::CollectionView& grid, kit::IndexPath indexPath) {
    auto cell = std::static_pointer_cast<ColourCell>(grid.dequeueReusableCell("Cell", indexPath));
    cell->setBackgroundColor(kit::Color::clearColor());
    auto row = static_cast<std::size_t>(indexPath.item());
    cell->setAccessibilityLabel(colourArray[row]);
    cell->colourView->setBackgroundColor(colorWithHexString(colourArray[row]).withAlpha(0.8));
    if (didSelectedColour) {
        bool chosen = indexPath.item() == selectedIndex;
        cell->selectedView->setBorderWidth(chosen ? 2 : 0);
        cell->selectedView->setBorderColor(
            chosen ? colorWithHexString(colourArray[static_cast<std::size_t>(selectedIndex)])
                   : kit::Color::clearColor());
    }
    return cell;
}

// Six to a row across the host's width, which is what the form gives the picker.
std::optional<kit::Size> ColourCollectionView::sizeForItem(kit::CollectionView&, kit::IndexPath) {
    auto host = superview();
    double width = host ? host->bounds().size.width : bounds().size.width;
    return kit::Size{width / 6, 50};
}

std::optional<kit::EdgeInsets> ColourCollectionView::insetForSection(kit::CollectionView&,
                                                                     std::int64_t) {
    return kit::EdgeInsets{};
}

std::optional<double> ColourCollectionView::minimumInteritemSpacing(kit::CollectionView&,
                                                                    std::int64_t) {
    return 0.0;
}

std::optional<double> ColourCollectionView::minimumLineSpacing(kit::CollectionView&, std::int64_t) {
    return 5.0;
}

void ColourCollectionView::didSelectItem(kit::CollectionView& grid, kit::IndexPath indexPath) {
    selectedIndex = indexPath.item();
    didSelectedColour = true;
    grid.reloadData();
    if (auto receiver = delegate.lock()) {
        receiver->didSelectedColourWithHex(colourArray[static_cast<std::size_t>(selectedIndex)]);
    }
}

}  // namespace kelvora
