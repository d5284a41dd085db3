#include "platform/render/ContentDrawer.h"

#include "platform/kit/SnapshotView.h"

#include "platform/render/ActivityIndicatorDrawer.h"
#include "platform/render/ButtonDrawer.h"
#include "platform/render/ContentsPicture.h"
#include "platform/render/ImageViewDrawer.h"
#include "platform/render/LabelDrawer.h"
#include "platform/render/SwitchDrawer.h"
#include "platform/render/TextFieldDrawer.h"
#include "platform/render/VisualEffectDrawer.h"

namespace render {

void ContentDrawer::draw(const Canvas& canvas, const kit::View& view) {
    if (const auto* label = dynamic_cast<const kit::Label*>(&view)) {
        LabelDrawer::draw(canvas, *label);
    } else if (const auto* imageView = dynamic_cast<const kit::ImageView*>(&view)) {
        ImageViewDrawer::draw(canvas, *imageView);
    } else if (const auto* button = dynamic_cast<const kit::Button*>(&view)) {
        ButtonDrawer::draw(canvas, *button);
    } else if (const auto* field = dynamic_cast<const kit::TextField*>(&view)) {
        TextFieldDrawer::draw(canvas, *field);
    } else if (const auto* control = dynamic_cast<const kit::Switch*>(&view)) {
        SwitchDrawer::draw(canvas, *control);
    } else if (const auto* indicator = dynamic_cast<const kit::ActivityIndicatorView*>(&view)) {
        ActivityIndicatorDrawer::draw(canvas, *indicator);
    } else if (const auto* effect = dynamic_cast<const kit::VisualEffectView*>(&view)) {
        VisualEffectDrawer::draw(canvas, *effect);
    } else if (const auto* snapshot = dynamic_cast<const kit::SnapshotView*>(&view)) {
        // A picture this renderer took; any other kind of snapshot has nothing to draw.
        if (const auto* picture =
                dynamic_cast<const ContentsPicture*>(snapshot->snapshot().get())) {
            picture->paint(canvas.cairo, 1);
        }
    }
}

}  // namespace render
