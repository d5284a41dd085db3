#include "platform/kit/LayoutAnchor.h"

#include "platform/kit/LayoutConstraint.h"

namespace kit {

LayoutAxis axisOf(LayoutAttribute attribute) {
    switch (attribute) {
        case LayoutAttribute::leading:
        case LayoutAttribute::trailing:
        case LayoutAttribute::centerX:
        case LayoutAttribute::width:
            return LayoutAxis::horizontal;
        default:
            return LayoutAxis::vertical;
    }
}

bool isDimension(LayoutAttribute attribute) {
    return attribute == LayoutAttribute::width || attribute == LayoutAttribute::height;
}

bool isEdge(LayoutAttribute attribute) {
    return attribute == LayoutAttribute::leading || attribute == LayoutAttribute::trailing ||
           attribute == LayoutAttribute::top || attribute == LayoutAttribute::bottom;
}

std::shared_ptr<LayoutConstraint> LayoutAnchor::equalTo(const LayoutAnchor* other,
                                                        double constant) const {
    std::optional<LayoutAnchor> second;
    if (other) {
        second = *other;
    }
    return std::make_shared<LayoutConstraint>(*this, second, constant);
}

}  // namespace kit
