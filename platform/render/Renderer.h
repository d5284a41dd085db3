#pragma once

#include <filesystem>
#include <functional>

#include "platform/foundation/Result.h"
#include "platform/kit/View.h"
#include "platform/render/Occlusion.h"
#include "platform/render/Presentation.h"
#include "platform/render/Surface.h"

using cairo_t = struct _cairo;

namespace render {

// Draws a view and everything under it into an image, knowing nothing of windows or
// screens: the host shows the image. The view itself is placed at the image's top-left
// corner and everything is drawn as it is on screen at the main queue's current time, so
// a frame taken while an animation runs shows the in-between state.
//
// For each view, back to front: its background inside its rounded outline, what its
// class draws (text, images, controls, blur), its subviews shifted by its bounds origin,
// and its border on top; all clipped to its outline when it clips to bounds, scaled around
// its centre by its transform, and faded as a whole by its alpha. Hidden and fully
// transparent views draw nothing, nor do views whose transform collapses them to nothing.
// Dynamic colours resolve by the interface style of the window each view is in.
//
// While a cross-dissolve runs, the picture the view showed before (ContentsPicture) fades
// out as its new layers fade in, by the transition's progress on the clock.
//
// What an opaque view drawn later covers whole is not drawn at all (Occlusion).
//
// Limits: shadows are not drawn; a switch flips without sliding, as the kit records no
// animation for it; a blur inside a view that is cross-dissolving blurs only what that view
// itself draws behind it, as its new layers are drawn apart to be blended.
class Renderer final {
  public:
    // Device pixels per point: 1 or 2 on the phones we stand in for. A scale that is not
    // a positive finite number is taken as 1.
    explicit Renderer(double scale = 1);

    double scale() const { return scale_; }

    // Fails, with the size, when the view is empty or too large for an image.
    foundation::Result<Surface> render(const kit::View& view) const;
    // The view's background, contents, subviews and border at their presentation values,
    // without the view's own alpha and transform: what a cross-dissolve keeps.
    foundation::Result<Surface> renderContents(const kit::View& view) const;
    foundation::Result<void> writePng(const kit::View& view,
                                      const std::filesystem::path& path) const;
    // Draws into `cairo`, whose user space is in points with the view's top-left at 0, 0.
    void draw(cairo_t* cairo, const kit::View& view) const;

    // Whether a frame drawn later would differ with nothing else changed: a shown view of
    // the tree has an animation running or is a spinning activity indicator. The host draws
    // on every turn while this holds, and only on changes otherwise.
    static bool isAnimating(const kit::View& view);

  private:
    void drawTree(cairo_t* cairo, const kit::View& view, bool isRoot,
                  const Occlusion& occlusion) const;
    void drawLayers(cairo_t* cairo, const kit::View& view, const kit::Rect& local,
                    const Occlusion& occlusion) const;
    void drawDissolving(cairo_t* cairo, const kit::View& view, const kit::Rect& local,
                        const Presentation::Dissolve& dissolve, const Occlusion& occlusion) const;
    foundation::Result<Surface> renderSized(kit::Size size,
                                            const std::function<void(cairo_t*)>& draw) const;

    double scale_;
};

}  // namespace render
