#pragma once

#include <memory>
#include <string>
#include <utility>

#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/LayoutXAxisAnchor.h"
#include "platform/kit/TableViewCell.h"

namespace kelvora {

// What the five settings cells share: a rounded card inset in the row, a picture on its left
// (a tinted symbol on a coloured tile, or a social row's own picture), and a title and a
// subtitle beside it that end 10 before whatever sits on the card's right. The cells only lay
// out their parts; the settings screen fills them.
//
// Cells are made by their class's factory, because subviews join only a cell that is owned.
class ZerovinPrefsCell : public kit::TableViewCell {
  public:
    explicit ZerovinPrefsCell(std::string reuseIdentifier);

    const std::shared_ptr<kit::View>& baseView() const { return baseView_; }
    // Empty for a social cell, whose picture takes the tile's place.
    const std::shared_ptr<kit::View>& iconView() const { return iconView_; }
    const std::shared_ptr<kit::ImageView>& icon() const { return icon_; }
    const std::shared_ptr<kit::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<kit::Label>& subtitleLabel() const { return subtitleLabel_; }

    // A reused cell must not show the last row's texts or picture before it is filled again.
    // Tile colour, switch state and swatch are set anew on every fill, so they stay.
    void prepareForReuse() override;

  protected:
    void buildCard();
    // A tinted symbol centred on a coloured tile.
    void buildTile();
    // A picture that fills the tile's place, cropped to its rounded square.
    void buildPicture();
    // The labels sit beside the tile (or picture) and end 10 before `end`.
    void buildLabels(const kit::LayoutXAxisAnchor& end);

  private:
    std::shared_ptr<kit::View> baseView_;
    std::shared_ptr<kit::View> iconView_;
    std::shared_ptr<kit::ImageView> icon_;
    std::shared_ptr<kit::Label> titleLabel_;
    std::shared_ptr<kit::Label> subtitleLabel_;
};

}  // namespace kelvora
