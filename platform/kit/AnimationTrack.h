#pragma once

#include <vector>

#include "platform/kit/ViewAnimation.h"

namespace kit {

// The animations recorded on one view, against the main queue's clock. One animation per
// property runs at a time: a new one replaces the one before it, and finished ones are dropped
// when the next is recorded.
class AnimationTrack final {
  public:
    void record(ViewAnimation animation);
    // Stops what animates `property`, so that a change made without animation shows at once.
    void stop(AnimatedProperty property);
    void discardFinished();

    const ViewAnimation* running(AnimatedProperty property) const;
    std::vector<ViewAnimation> running() const;

    // What is on screen now of a property whose model value is `model`.
    template <class Value>
    Value presented(AnimatedProperty property, const Value& model) const {
        const ViewAnimation* animation = running(property);
        if (!animation) {
            return model;
        }
        AnimationValue value = presentationValue(*animation, now());
        const auto* shown = std::get_if<Value>(&value);
        return shown ? *shown : model;
    }

  private:
    static double now();

    std::vector<ViewAnimation> animations_;
};

}  // namespace kit
