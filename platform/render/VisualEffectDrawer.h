#pragma once

#include "platform/kit/VisualEffectView.h"
#include "platform/render/Canvas.h"

namespace render {

// A blur material: what has been drawn behind the view, blurred, under a veil of the
// material's colour (light or dark by the style and the interface style), inside the
// view's rounded outline. The backdrop is what the canvas's current target holds, so under
// a translucent ancestor (drawn into a group of its own) only that ancestor's own drawing
// is blurred. A view with no effect draws nothing of its own.
class VisualEffectDrawer final {
  public:
    // Points of blur radius, as the phone's materials blur.
    static constexpr double blurRadius = 10;

    static void draw(const Canvas& canvas, const kit::VisualEffectView& view);
    // The veil laid over the blur for `style` in a window of `interfaceStyle`.
    static kit::Rgba materialColor(kit::BlurEffectStyle style, kit::InterfaceStyle interfaceStyle);
};

}  // namespace render
