#pragma once

#include <memory>
#include <optional>

#include "platform/kit/View.h"
#include "platform/render/ContentsPicture.h"

namespace render {

// What a view shows at the main queue's current time: the kit answers for alpha, transform
// and frame; this adds the bounds origin (a scroll view's animated offset) and the
// background colour from the animations the view recorded, and the cross-dissolve under way.
class Presentation final {
  public:
    struct Dissolve {
        std::shared_ptr<const ContentsPicture> picture;
        // How far the new contents have faded in, 0...1.
        double progress = 0;
    };

    static kit::Point boundsOrigin(const kit::View& view);
    static kit::Color backgroundColor(const kit::View& view);
    // Nothing when no cross-dissolve runs or it kept no picture.
    static std::optional<Dissolve> dissolve(const kit::View& view);
};

}  // namespace render
