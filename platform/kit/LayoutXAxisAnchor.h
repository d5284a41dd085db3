#pragma once

#include "platform/kit/LayoutAnchor.h"

namespace kit {

class LayoutXAxisAnchor final : public LayoutAnchor {
  public:
    LayoutXAxisAnchor(std::weak_ptr<View> view, LayoutAttribute attribute,
                      LayoutArea area = LayoutArea::frame)
        : LayoutAnchor(std::move(view), attribute, area) {}

    // A new, inactive constraint: this line = the other line + constant.
    std::shared_ptr<LayoutConstraint> constraintEqualToAnchor(const LayoutXAxisAnchor& other,
                                                              double constant = 0) const {
        return equalTo(&other, constant);
    }
};

}  // namespace kit
