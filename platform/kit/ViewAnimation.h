#pragma once

#include <memory>
#include <variant>

#include "platform/kit/Color.h"
#include "platform/kit/ContentsSnapshot.h"
#include "platform/kit/Geometry.h"

namespace kit {

enum class AnimatedProperty { alpha, transform, frame, bounds, backgroundColor, contents };
enum class AnimationCurve { easeInOut, easeOut, linear, spring };

using AnimationValue = std::variant<std::monostate, double, AffineTransform, Rect, Color>;

// What a renderer needs to draw a property between its old and its new value: the model
// value changed at `start`; the screen shows `from` turning into `to` over `duration`.
// A cross-dissolve records the `contents` property with no values and the picture the view
// showed before its changes: the renderer fades that picture out over the new contents.
struct ViewAnimation {
    AnimatedProperty property = AnimatedProperty::alpha;
    AnimationValue from;
    AnimationValue to;
    double start = 0;
    double duration = 0;
    AnimationCurve curve = AnimationCurve::easeInOut;
    double dampingRatio = 1;
    std::shared_ptr<const ContentsSnapshot> snapshot;

    bool isFinished(double now) const { return now >= start + duration; }
    // The share of the way from `from` to `to` at `now`, after the timing curve.
    double progress(double now) const;
};

// The value on screen at `now`: `to` once the animation is over.
AnimationValue presentationValue(const ViewAnimation& animation, double now);

double interpolate(double from, double to, double progress);
AffineTransform interpolate(const AffineTransform& from, const AffineTransform& to,
                            double progress);
Rect interpolate(const Rect& from, const Rect& to, double progress);
Color interpolate(const Color& from, const Color& to, double progress);

}  // namespace kit
