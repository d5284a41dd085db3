#pragma once

#include <optional>

#include "platform/kit/Geometry.h"
#include "platform/kit/LayoutDimension.h"
#include "platform/kit/LayoutXAxisAnchor.h"
#include "platform/kit/LayoutYAxisAnchor.h"
#include "platform/kit/View.h"

namespace kelvora {

// Layout shorthands for any view. Each one pins edges, centre lines or dimensions of the
// view with required equality constraints, activated at once and not returned. Every one
// first switches the view's frame-to-constraint conversion off, even when it then makes no
// constraint. Paddings are added to the target anchor as given: positive moves down or
// toward the trailing side, so trailing and bottom paddings that keep a view inside its
// container are negative.
//
// The view must already be in the hierarchy of every anchor it is pinned to; a constraint
// between unrelated hierarchies is left inactive by the layout engine.
namespace extension {

using XAnchor = std::optional<kit::LayoutXAxisAnchor>;
using YAnchor = std::optional<kit::LayoutYAxisAnchor>;

// Made in the order top, leading, trailing, bottom; each missing anchor is skipped. The
// right and bottom insets are added as given, like the single-edge forms.
void top(kit::View& view, const YAnchor& top, const XAnchor& leading, const YAnchor& bottom,
         const XAnchor& trailing, kit::EdgeInsets padding);

// A missing anchor makes no constraint.
void top(kit::View& view, const YAnchor& anchor, double padding);
void leading(kit::View& view, const XAnchor& anchor, double padding);
void trailing(kit::View& view, const XAnchor& anchor, double padding);
void bottom(kit::View& view, const YAnchor& anchor, double padding);

// A component equal to 0 makes no constraint for that dimension.
void size(kit::View& view, kit::Size size);
// Always made, 0 included.
void width(kit::View& view, double width);
void height(kit::View& view, double height);

// Centre lines.
void x(kit::View& view, const kit::LayoutXAxisAnchor& x, const kit::LayoutYAxisAnchor& y);
void x(kit::View& view, const kit::LayoutXAxisAnchor& anchor);
void y(kit::View& view, const kit::LayoutYAxisAnchor& anchor);
void x(kit::View& view, const kit::LayoutXAxisAnchor& anchor, double padding);
void y(kit::View& view, const kit::LayoutYAxisAnchor& anchor, double padding);

// All four edges on the superview's, constant 0. A view without a superview gets no
// constraint.
void fill(kit::View& view);

// Removes every constraint that mentions the view, held by any of its ancestors, and every
// constraint the view itself holds (its own sizes and those among its subviews it holds);
// then the view is again positioned by its frame.
void removeAllConstraints(kit::View& view);

}  // namespace extension

}  // namespace kelvora
