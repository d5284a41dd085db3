#pragma once

#include <vector>

#include "platform/kit/Geometry.h"

namespace kit {

// Lays a collection's items out in rows down the width, section after section, as the
// phone's flow layout does with vertical scrolling (the only direction it knows):
// - each section starts below the previous one, inside its section insets;
// - a row takes items left to right while they fit in the width less the insets, with at
//   least the minimum interitem spacing between them;
// - a row of several items is justified: the first at the left inset, the last against
//   the right one, the rest of the space shared equally between the gaps; a row of one
//   item sits at the left inset, even when it is wider than the space;
// - items shorter than their row are centred in it vertically, and rows are the minimum
//   line spacing apart.
// Sizes, insets and spacings that are not finite numbers count as zero, as do sizes and
// spacings below zero.
//
// The properties are what a collection's delegate does not answer itself.
class CollectionViewFlowLayout final {
  public:
    struct Section {
        std::vector<Size> itemSizes;
        EdgeInsets insets;
        double minimumInteritemSpacing = 0;
        double minimumLineSpacing = 0;
    };
    struct Result {
        std::vector<std::vector<Rect>> frames;  // by section, then item
        double contentHeight = 0;
    };

    Size itemSize() const { return itemSize_; }
    void setItemSize(Size size) { itemSize_ = size; }
    double minimumInteritemSpacing() const { return minimumInteritemSpacing_; }
    void setMinimumInteritemSpacing(double spacing) { minimumInteritemSpacing_ = spacing; }
    double minimumLineSpacing() const { return minimumLineSpacing_; }
    void setMinimumLineSpacing(double spacing) { minimumLineSpacing_ = spacing; }
    EdgeInsets sectionInset() const { return sectionInset_; }
    void setSectionInset(EdgeInsets insets) { sectionInset_ = insets; }

    static Result layout(const std::vector<Section>& sections, double width);

  private:
    static double layoutSection(const Section& section, double width, double top,
                                std::vector<Rect>& frames);

    Size itemSize_{50, 50};
    double minimumInteritemSpacing_ = 10;
    double minimumLineSpacing_ = 10;
    EdgeInsets sectionInset_;
};

}  // namespace kit
