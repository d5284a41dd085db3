#pragma once

#include <memory>

#include "platform/kit/CollectionViewCell.h"
#include "platform/kit/Label.h"
#include "platform/kit/View.h"

namespace kelvora {

// One square of the icon picker: a 40-point rounded square with a symbol drawn as an inline
// image of a label, so the picker can recolour it by handing over a tinted image.
class IconCell final : public kit::CollectionViewCell {
  public:
    IconCell() : kit::CollectionViewCell("Cell") {}
    static std::shared_ptr<IconCell> make();

    // A reused square must not show the previous symbol while it waits for its new one.
    void prepareForReuse() override;
    void setHighlighted(bool highlighted) override;

    std::shared_ptr<kit::View> baseView;
    std::shared_ptr<kit::View> iconView;
    std::shared_ptr<kit::Label> iconLabel;
};

}  // namespace kelvora
