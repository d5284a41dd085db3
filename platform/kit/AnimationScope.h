#pragma once

#include <optional>

#include "platform/kit/ViewAnimation.h"

namespace kit {

// How changes made while a scope is open are animated.
struct AnimationSettings {
    double duration = 0;
    double delay = 0;
    AnimationCurve curve = AnimationCurve::easeInOut;
    double dampingRatio = 1;
};

// While one lives, animatable view properties set on this thread are recorded with its
// settings (or, for a scope without settings, change without animation). Scopes nest;
// the innermost wins.
class AnimationScope final {
  public:
    explicit AnimationScope(std::optional<AnimationSettings> settings);
    ~AnimationScope();
    AnimationScope(const AnimationScope&) = delete;
    AnimationScope& operator=(const AnimationScope&) = delete;

    static std::optional<AnimationSettings> current();

  private:
    std::optional<AnimationSettings> outer_;
    bool hadOuter_;
};

}  // namespace kit
