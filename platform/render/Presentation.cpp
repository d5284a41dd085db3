#include "platform/render/Presentation.h"

#include "platform/foundation/MainQueue.h"

namespace render {

namespace {

// The newest running animation of `property` wins, as the kit's own presentation values do.
template <class Value>
const Value* running(const std::vector<kit::ViewAnimation>& animations,
                     kit::AnimatedProperty property, kit::AnimationValue& storage) {
    double now = foundation::MainQueue::main().now();
    for (auto it = animations.rbegin(); it != animations.rend(); ++it) {
        if (it->property == property) {
            storage = kit::presentationValue(*it, now);
            return std::get_if<Value>(&storage);
        }
    }
    return nullptr;
}

}  // namespace

kit::Point Presentation::boundsOrigin(const kit::View& view) {
    kit::AnimationValue storage;
    const auto* bounds =
        running<kit::Rect>(view.runningAnimations(), kit::AnimatedProperty::bounds, storage);
    return bounds ? bounds->origin : view.bounds().origin;
}

kit::Color Presentation::backgroundColor(const kit::View& view) {
    kit::AnimationValue storage;
    const auto* color = running<kit::Color>(view.runningAnimations(),
                                            kit::AnimatedProperty::backgroundColor, storage);
    return color ? *color : view.backgroundColor();
}

}  // namespace render
