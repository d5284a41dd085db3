#pragma once

#include <memory>

#include "platform/kit/CollectionViewCell.h"
#include "platform/kit/ImageView.h"
#include "platform/kit/Label.h"
#include "platform/kit/View.h"

namespace kelvora {

// The tile of one Setup on the home grid: a rounded card in the Setup's colour with its
// symbol at the top left and its name above its file count at the bottom left. The grid
// fills it in and decides its size. Labels have no trailing limit, so a long name runs to
// the card's edge and is clipped there rather than shortened.
class SetupCell final : public kit::CollectionViewCell {
  public:
    SetupCell() : kit::CollectionViewCell("Cell") {}
    static std::shared_ptr<SetupCell> make();

    // A reused tile must show nothing of the previous Setup's icon or name; the count and
    // the colour are always overwritten by the next configuration.
    void prepareForReuse() override;
    // A touched tile shows no highlight of its own.
    void setHighlighted(bool highlighted) override;

    std::shared_ptr<kit::View> baseView;
    std::shared_ptr<kit::ImageView> icon;
    std::shared_ptr<kit::Label> nameLabel;
    std::shared_ptr<kit::Label> countLabel;
};

}  // namespace kelvora
