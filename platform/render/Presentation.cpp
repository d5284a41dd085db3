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

std::optional<Presentation::Dissolve> Presentation::dissolve(const kit::View& view) {
    double now = foundation::MainQueue::main().now();
    auto animations = view.runningAnimations();
    for (auto it = animations.rbegin(); it != animations.rend(); ++it) {
        if (it->property != kit::AnimatedProperty::contents) {
            continue;
        }
        auto picture = std::dynamic_pointer_cast<const ContentsPicture>(it->snapshot);
        if (!picture) {
            return std::nullopt;
        }
        return Dissolve{std::move(picture), it->progress(now)};
    }
    return std::nullopt;
}

}  // namespace render
