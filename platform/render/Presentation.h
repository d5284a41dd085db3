#pragma once

#include "platform/kit/View.h"

namespace render {

// What a view shows at the main queue's current time: the kit answers for alpha, transform
// and frame; this adds the bounds origin (a scroll view's animated offset) and the
// background colour from the animations the view recorded.
class Presentation final {
  public:
    static kit::Point boundsOrigin(const kit::View& view);
    static kit::Color backgroundColor(const kit::View& view);
};

}  // namespace render
