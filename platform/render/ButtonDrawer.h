#pragma once

#include "platform/kit/Button.h"
#include "platform/render/Canvas.h"

namespace render {

// A button's current image and title side by side, placed by the title alignment inside
// the content insets and centred vertically. A symbol takes the button's tint (dimmed
// while a system button is highlighted) unless it carries its own colour; a title too
// long for the room left ends in an ellipsis.
class ButtonDrawer final {
  public:
    static void draw(const Canvas& canvas, const kit::Button& button);
};

}  // namespace render
