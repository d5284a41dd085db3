#pragma once

#include <memory>
#include <optional>

#include "platform/kit/ContentsSnapshot.h"
#include "platform/kit/View.h"
#include "platform/render/Surface.h"

using cairo_t = struct _cairo;

namespace render {

// What a view showed when a cross-dissolve began: its background, contents, subviews and
// border, without its own alpha and transform (those still apply to the blend). It is drawn
// at the scale the host shows views at and painted at the scale of whichever frame needs it.
// A hidden or empty view leaves an empty picture, so its new contents fade in from nothing.
class ContentsPicture final : public kit::ContentsSnapshot {
  public:
    ContentsPicture(std::optional<Surface> surface, double scale);

    // Makes every later cross-dissolve keep a picture drawn at `scale`; returns the capturer
    // it replaces.
    static kit::ContentsSnapshot::Capturer install(double scale);
    static std::shared_ptr<const ContentsPicture> capture(const kit::View& view, double scale);

    // Paints the picture with its top-left corner at the origin of `cairo`'s user space.
    void paint(cairo_t* cairo, double alpha) const;

  private:
    std::optional<Surface> surface_;
    double scale_;
};

}  // namespace render
