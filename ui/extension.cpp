#include "ui/extension.h"

#include <memory>
#include <vector>

#include "platform/kit/LayoutConstraint.h"

namespace kelvora {

namespace extension {

namespace {

void activate(const std::shared_ptr<kit::LayoutConstraint>& constraint) {
    constraint->setActive(true);
}

template <class Anchor>
void pin(const Anchor& own, const std::optional<Anchor>& target, double padding) {
    if (target) {
        activate(own.constraintEqualToAnchor(*target, padding));
    }
}

}  // namespace

void top(kit::View& view, const YAnchor& top, const XAnchor& leading, const YAnchor& bottom,
         const XAnchor& trailing, kit::EdgeInsets padding) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    pin(view.topAnchor(), top, padding.top);
    pin(view.leadingAnchor(), leading, padding.left);
    pin(view.trailingAnchor(), trailing, padding.right);
    pin(view.bottomAnchor(), bottom, padding.bottom);
}

void top(kit::View& view, const YAnchor& anchor, double padding) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    pin(view.topAnchor(), anchor, padding);
}

void leading(kit::View& view, const XAnchor& anchor, double padding) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    pin(view.leadingAnchor(), anchor, padding);
}

void trailing(kit::View& view, const XAnchor& anchor, double padding) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    pin(view.trailingAnchor(), anchor, padding);
}

void bottom(kit::View& view, const YAnchor& anchor, double padding) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    pin(view.bottomAnchor(), anchor, padding);
}

void size(kit::View& view, kit::Size size) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    if (size.width != 0) {
        activate(view.widthAnchor().constraintEqualToConstant(size.width));
    }
    if (size.height != 0) {
        activate(view.heightAnchor().constraintEqualToConstant(size.height));
    }
}

void width(kit::View& view, double width) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    activate(view.widthAnchor().constraintEqualToConstant(width));
}

void height(kit::View& view, double height) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    activate(view.heightAnchor().constraintEqualToConstant(height));
}

void x(kit::View& view, const kit::LayoutXAxisAnchor& x, const kit::LayoutYAxisAnchor& y) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    activate(view.centerXAnchor().constraintEqualToAnchor(x));
    activate(view.centerYAnchor().constraintEqualToAnchor(y));
}

void x(kit::View& view, const kit::LayoutXAxisAnchor& anchor) {
    x(view, anchor, 0);
}

void y(kit::View& view, const kit::LayoutYAxisAnchor& anchor) {
    y(view, anchor, 0);
}

void x(kit::View& view, const kit::LayoutXAxisAnchor& anchor, double padding) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    activate(view.centerXAnchor().constraintEqualToAnchor(anchor, padding));
}

void y(kit::View& view, const kit::LayoutYAxisAnchor& anchor, double padding) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    activate(view.centerYAnchor().constraintEqualToAnchor(anchor, padding));
}

void fill(kit::View& view) {
    view.setTranslatesAutoresizingMaskIntoConstraints(false);
    // Without a superview there is nothing to fill; pinning to nothing is a caller's slip,
    // not worth taking the screen down for.
    auto superview = view.superview();
    if (!superview) {
        return;
    }
    activate(view.topAnchor().constraintEqualToAnchor(superview->topAnchor()));
    activate(view.leadingAnchor().constraintEqualToAnchor(superview->leadingAnchor()));
    activate(view.trailingAnchor().constraintEqualToAnchor(superview->trailingAnchor()));
    activate(view.bottomAnchor().constraintEqualToAnchor(superview->bottomAnchor()));
}

void removeAllConstraints(kit::View& view) {
    // Constraints between the view and others are held by a common ancestor, so walking up
    // to the root reaches them all.
    for (auto ancestor = view.superview(); ancestor; ancestor = ancestor->superview()) {
        std::vector<std::shared_ptr<kit::LayoutConstraint>> mentioning;
        for (const auto& constraint : ancestor->constraints()) {
            if (constraint->mentions(view)) {
                mentioning.push_back(constraint);
            }
        }
        for (const auto& constraint : mentioning) {
            ancestor->removeConstraint(constraint);
        }
    }
    // A copy, because removing shrinks the list being walked.
    auto own = view.constraints();
    for (const auto& constraint : own) {
        view.removeConstraint(constraint);
    }
    view.setTranslatesAutoresizingMaskIntoConstraints(true);
}

}  // namespace extension

}  // namespace kelvora
