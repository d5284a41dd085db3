#pragma once

#include "platform/kit/LayoutAnchor.h"

namespace kit {

class LayoutYAxisAnchor final : public LayoutAnchor {
  public:
    LayoutYAxisAnchor(std::weak_ptr<View> view, LayoutAttribute attribute,
                      LayoutArea area = LayoutArea::frame)
        : LayoutAnchor(std::move(view), attribute, area) {}

    // A new, inactive constraint: this line = the other line + constant.
    std::shared_ptr<LayoutConstraint> constraintEqualToAnchor(const LayoutYAxisAnchor& other,
                                                              double constant = 0) const {
        return equalTo(&other, constant);
    }
};

}  // namespace kit
