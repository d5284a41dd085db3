#pragma once

#include <unordered_set>

#include "platform/kit/View.h"

namespace render {

// Which views of a tree a frame need not draw because an opaque view drawn after them covers
// all they would draw: a screen under a sheet, a bar under the sheet's page. It works in
// device pixels at the frame's scale and errs towards drawing:
// - a cover is a view whose own background is opaque and which is drawn whole (no fading or
//   cross-dissolving and no transform on it or above it); it covers the pixels its background
//   fills for certain, inside every clip above it, less the bands of rounded corners;
// - a view is left out, with all under it, only when all its subtree could draw lies inside
//   one cover drawn after it, and no blur drawn between the two reads any of it;
// - a transformed view, or one above a transformed view, is never left out.
class Occlusion final {
  public:
    // Leaves nothing out.
    Occlusion() = default;
    static Occlusion of(const kit::View& root, double scale);

    bool isHidden(const kit::View& view) const { return hidden_.count(&view) > 0; }

  private:
    std::unordered_set<const kit::View*> hidden_;
};

}  // namespace render
