#pragma once

#include <memory>

#include "platform/kit/CollectionViewCell.h"
#include "platform/kit/View.h"

namespace kelvora {

// One swatch of the colour picker: a 40-point rounded square of colour over a 50-point
// ring that the picker draws only around the chosen swatch.
class ColourCell final : public kit::CollectionViewCell {
  public:
    ColourCell() : kit::CollectionViewCell("Cell") {}
    static std::shared_ptr<ColourCell> make();

    // A touched swatch shows no highlight of its own.
    void setHighlighted(bool highlighted) override;

    std::shared_ptr<kit::View> baseView;
    std::shared_ptr<kit::View> selectedView;
    std::shared_ptr<kit::View> colourView;
};

}  // namespace kelvora
