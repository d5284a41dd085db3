#include "platform/kit/LayoutConstraint.h"

#include <cmath>
#include <set>
#include <sstream>

#include "platform/foundation/Log.h"
#include "platform/kit/View.h"

namespace kit {

namespace {

std::shared_ptr<View> nearestCommonAncestor(const std::shared_ptr<View>& a,
                                            const std::shared_ptr<View>& b) {
    std::set<const View*> ancestorsOfA;
    for (auto view = a; view; view = view->superview()) {
        ancestorsOfA.insert(view.get());
    }
    for (auto view = b; view; view = view->superview()) {
        if (ancestorsOfA.count(view.get())) {
            return view;
        }
    }
    return nullptr;
}

const char* nameOf(LayoutAttribute attribute) {
    switch (attribute) {
        case LayoutAttribute::leading:
            return "leading";
        case LayoutAttribute::trailing:
            return "trailing";
        case LayoutAttribute::centerX:
            return "centerX";
        case LayoutAttribute::width:
            return "width";
        case LayoutAttribute::top:
            return "top";
        case LayoutAttribute::bottom:
            return "bottom";
        case LayoutAttribute::centerY:
            return "centerY";
        case LayoutAttribute::height:
            return "height";
    }
    return "?";
}

std::string number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

}  // namespace

std::string LayoutConstraint::description() const {
    std::string text = nameOf(first_.attribute());
    text += " = ";
    if (!second_) {
        return text + number(constant_);
    }
    text += second_->area() == LayoutArea::safeArea ? "safeArea." : "";
    text += nameOf(second_->attribute());
    if (constant_ != 0) {
        text += (constant_ < 0 ? " - " : " + ") + number(std::abs(constant_));
    }
    return text;
}

void LayoutConstraint::setConstant(double constant) {
    if (constant == constant_ || !std::isfinite(constant)) {
        return;
    }
    constant_ = constant;
    if (auto holder = holder_.lock()) {
        holder->setNeedsLayout();
    }
}

void LayoutConstraint::setActive(bool active) {
    if (active == isActive()) {
        return;
    }
    auto self = shared_from_this();
    if (!active) {
        holder()->removeConstraint(self);
        return;
    }
    auto first = firstItem();
    auto second = second_ ? secondItem() : first;
    if (!first || !second) {
        foundation::Log::write(
            "Unable to activate a constraint: one of its views no longer exists");
        return;
    }
    auto ancestor = nearestCommonAncestor(first, second);
    if (!ancestor) {
        foundation::Log::write(
            "Unable to activate a constraint: its views are not in the same view hierarchy");
        return;
    }
    ancestor->addConstraint(self);
}

void LayoutConstraint::activateConstraints(
    const std::vector<std::shared_ptr<LayoutConstraint>>& list) {
    for (const auto& constraint : list) {
        constraint->setActive(true);
    }
}

void LayoutConstraint::deactivateConstraints(
    const std::vector<std::shared_ptr<LayoutConstraint>>& list) {
    for (const auto& constraint : list) {
        constraint->setActive(false);
    }
}

bool LayoutConstraint::markDropped() {
    dropped_ = true;
    bool news = !conflictReported_;
    conflictReported_ = true;
    return news;
}

void LayoutConstraint::didMoveToHolder(const std::shared_ptr<View>& holder) {
    static std::uint64_t activations = 0;
    holder_ = holder;
    if (holder) {
        activationOrder_ = ++activations;
    }
}

bool LayoutConstraint::mentions(const View& view) const {
    return firstItem().get() == &view || secondItem().get() == &view;
}

bool LayoutConstraint::mentionsSubtreeOf(const View& view) const {
    auto first = firstItem();
    auto second = secondItem();
    return (first && first->isDescendantOf(view)) || (second && second->isDescendantOf(view));
}

}  // namespace kit
