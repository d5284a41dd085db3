#pragma once

#include "platform/kit/LayoutAnchor.h"

namespace kit {

class LayoutDimension final : public LayoutAnchor {
  public:
    LayoutDimension(std::weak_ptr<View> view, LayoutAttribute attribute,
                    LayoutArea area = LayoutArea::frame)
        : LayoutAnchor(std::move(view), attribute, area) {}

    // New, inactive constraints: this dimension = the other + constant, or = constant.
    std::shared_ptr<LayoutConstraint> constraintEqualToAnchor(const LayoutDimension& other,
                                                              double constant = 0) const {
        return equalTo(&other, constant);
    }
    std::shared_ptr<LayoutConstraint> constraintEqualToConstant(double constant) const {
        return equalTo(nullptr, constant);
    }
};

}  // namespace kit
