#pragma once

#include "platform/kit/ScrollView.h"
#include "platform/render/Canvas.h"

namespace render {

// A scroll view's vertical indicator: a thin capsule over the content, dark on a light screen
// and light on a dark one, as visible as the view says at the main queue's time.
class ScrollIndicatorDrawer final {
  public:
    // `offset` is the content offset on screen, which may be part-way through an animation.
    static void draw(const Canvas& canvas, const kit::ScrollView& view, kit::Point offset);
};

}  // namespace render
