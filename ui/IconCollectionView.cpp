#include "ui/IconCollectionView.h"

#include "appearance/SetupAppearance.h"
#include "platform/kit/Image.h"
#include "ui/IconCell.h"
#include "ui/extension.h"

namespace kelvora {

std::shared_ptr<IconCollectionView> IconCollectionView::init() {
    auto picker = std::make_shared<IconCollectionView>(Token{});
    picker->loadIcons();
    picker->layoutCollectionView();
    return picker;
}

void IconCollectionView::loadIcons() {
    iconArray = {"sparkles",
                 "sparkle",
                 "ellipsis.circle",
                 "applelogo",
                 "heart.fill",
                 "heart",
                 "bolt.heart.fill",
                 "folder",
                 "folder.fill",
                 "folder.fill.badge.plus",
                 "arrowtriangle.up",
                 "arrowtriangle.up.fill",
                 "shield.fill",
                 "diamond.fill",
                 "seal",
                 "seal.fill",
                 "clock",
                 "clock.fill",
                 "hourglass.tophalf.fill",
                 "bag.fill",
                 "bag",
                 "creditcard",
                 "creditcard.fill",
                 "giftcard.fill",
                 "giftcard",
                 "command.circle",
                 "command.circle.fill",
                 "globe",
                 "play",
                 "play.fill",
                 "play.rectangle",
                 "play.rectangle.fill",
                 "textformat",
                 "pencil",
                 "pencil.circle",
                 "square.and.pencil",
                 "scribble",
                 "pencil.tip",
                 "circle.lefthalf.fill",
                 "circle.righthalf.fill",
                 "paintbrush.pointed",
                 "paintbrush.pointed.fill",
                 "eyedropper.full",
                 "flame.fill",
                 "flame",
                 "drop",
                 "drop.fill",
                 "bolt",
                 "bolt.fill",
                 "leaf",
                 "leaf.fill",
                 "person",
                 "person.fill",
                 "person.crop.circle",
                 "person.crop.circle.fill",
                 "eye",
                 "eye.fill",
                 "nose.fill",
                 "mustache.fill",
                 "mouth.fill",
                 "smiley",
                 "smiley.fill",
                 "hand.raised",
                 "hand.raised.fill",
                 "hand.thumbsup",
                 "hand.thumbsup.fill",
                 "hand.thumbsdown",
                 "hand.thumbsdown.fill",
                 "hand.point.up.left",
                 "hand.point.up.left.fill",
                 "hand.draw.fill",
                 "hand.tap.fill",
                 "hand.point.left.fill",
                 "hand.point.right.fill",
                 "hand.point.up.fill",
                 "hand.point.down.fill",
                 "hand.wave",
                 "hand.wave.fill",
                 "hands.sparkles",
                 "hands.sparkles.fill",
                 "airplane",
                 "car.fill",
                 "bicycle",
                 "icloud.fill",
                 "circle.grid.cross.fill",
                 "rectangle.fill.on.rectangle.fill",
                 "house.fill",
                 "gamecontroller",
                 "gamecontroller.fill",
                 "l.joystick.fill",
                 "r.joystick.fill",
                 "dpad.fill",
                 "plus",
                 "minus",
                 "xmark",
                 "display",
                 "macpro.gen1",
                 "macpro.gen2.fill",
                 "laptopcomputer",
                 "ipod",
                 "iphone.homebutton",
                 "iphone",
                 "apps.iphone",
                 "apps.iphone.badge.plus",
                 "headphones",
                 "airpods",
                 "appletv.fill",
                 "graduationcap",
                 "graduationcap.fill",
                 "paperclip",
                 "flag",
                 "flag.fill",
                 "bell",
                 "bell.fill",
                 "tag.fill",
                 "gear",
                 "wrench.fill",
                 "hammer.fill",
                 "briefcase.fill",
                 "case.fill",
                 "puzzlepiece.fill",
                 "lock.fill",
                 "lock.open.fill",
                 "pin.fill",
                 "crown.fill",
                 "cube.box.fill",
                 "cube.fill",
                 "message.fill",
                 "waveform",
                 "phone.fill",
                 "music.note",
                 "moon.fill"};
}

void IconCollectionView::layoutCollectionView() {
    collectionView = std::make_shared<kit::CollectionView>(
        kit::Rect{}, std::make_shared<kit::CollectionViewFlowLayout>());
    collectionView->setBackgroundColor(kit::Color::clearColor());
    collectionView->setShowsHorizontalScrollIndicator(false);
    collectionView->setShowsVerticalScrollIndicator(false);
    collectionView->setScrollEnabled(false);
    collectionView->registerCell("Cell", [] { return IconCell::make(); });
    addSubview(collectionView);
    auto self = std::static_pointer_cast<IconCollectionView>(shared_from_this());
    collectionView->setDelegate(self);
    collectionView->setDataSource(self);
    extension::fill(*collectionView);
}

// An unknown name gives no image, so its square stays empty but can still be chosen.
void IconCollectionView::setSymbol(kit::Label& label, const std::string& name,
                                   const kit::Color& tint) {
    auto image = kit::Image::systemImageNamed(name);
    label.setAttachmentImage(image ? std::optional(image->imageWithTintColor(tint)) : std::nullopt);
}

std::int64_t IconCollectionView::numberOfItems(kit::CollectionView&, std::int64_t) {
    return static_cast<std::int64_t>(iconArray.size());
}

std::shared_ptr<kit::CollectionViewCell> IconCollectionView::cellForItem(kit::CollectionView& grid,
                                                                         kit::IndexPath indexPath) {
    auto cell = std::static_pointer_cast<IconCell>(grid.dequeueReusableCell("Cell", indexPath));
    cell->setBackgroundColor(kit::Color::clearColor());
    const auto& name = iconArray[static_cast<std::size_t>(indexPath.item())];
    cell->setAccessibilityLabel(name);
    setSymbol(*cell->iconLabel, name, kit::Color::labelColor());
    if (didSelectedIcon) {
        bool chosen = indexPath.item() == selectedIndex;
        cell->iconView->setBackgroundColor(chosen ? SetupAppearance::setupAccentColour()
                                                  : SetupAppearance::secondaryColour());
        setSymbol(*cell->iconLabel, name,
                  chosen ? kit::Color::whiteColor() : kit::Color::labelColor());
    }
    return cell;
}

// Six to a row across the host's width, which is what the form gives the picker.
std::optional<kit::Size> IconCollectionView::sizeForItem(kit::CollectionView&, kit::IndexPath) {
    auto host = superview();
    double width = host ? host->bounds().size.width : bounds().size.width;
    return kit::Size{width / 6, 50};
}

std::optional<kit::EdgeInsets> IconCollectionView::insetForSection(kit::CollectionView&,
                                                                   std::int64_t) {
    return kit::EdgeInsets{};
}

std::optional<double> IconCollectionView::minimumInteritemSpacing(kit::CollectionView&,
                                                                  std::int64_t) {
    return 0.0;
}

std::optional<double> IconCollectionView::minimumLineSpacing(kit::CollectionView&, std::int64_t) {
    return 5.0;
}

void IconCollectionView::didSelectItem(kit::CollectionView& grid, kit::IndexPath indexPath) {
    selectedIndex = indexPath.item();
    didSelectedIcon = true;
    grid.reloadData();
    if (auto receiver = delegate.lock()) {
        receiver->didSelectedIconWithImageName(iconArray[static_cast<std::size_t>(selectedIndex)]);
    }
}

}  // namespace kelvora
