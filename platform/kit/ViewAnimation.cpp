#include "platform/kit/ViewAnimation.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {

double springProgress(double t, double dampingRatio) {
    // Stiff enough to be at rest (within 0.1 %) when the duration is over.
    constexpr double stiffness = 10;
    if (dampingRatio >= 1) {
        return 1 - std::exp(-stiffness * t) * (1 + stiffness * t);
    }
    double zeta = std::max(dampingRatio, 0.05);
    double omega = stiffness / zeta;
    double damped = omega * std::sqrt(1 - zeta * zeta);
    return 1 - std::exp(-zeta * omega * t) *
                   (std::cos(damped * t) + zeta * omega / damped * std::sin(damped * t));
}

Rgba blend(const Rgba& from, const Rgba& to, double progress) {
    return {interpolate(from.red, to.red, progress), interpolate(from.green, to.green, progress),
            interpolate(from.blue, to.blue, progress), interpolate(from.alpha, to.alpha, progress)};
}

}  // namespace

double ViewAnimation::progress(double now) const {
    if (now < start) {
        return 0;
    }
    if (duration <= 0 || now >= start + duration) {
        return 1;
    }
    double t = (now - start) / duration;
    switch (curve) {
        case AnimationCurve::linear:
            return t;
        case AnimationCurve::easeInOut:
            return t * t * (3 - 2 * t);
        case AnimationCurve::easeOut:
            return t * (2 - t);
        case AnimationCurve::spring:
            return springProgress(t, dampingRatio);
    }
    return t;
}

AnimationValue presentationValue(const ViewAnimation& animation, double now) {
    double progress = animation.progress(now);
    if (progress >= 1 && animation.isFinished(now)) {
        return animation.to;
    }
    return std::visit(
        [&](const auto& from) -> AnimationValue {
            using T = std::decay_t<decltype(from)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return animation.to;
            } else {
                const T* to = std::get_if<T>(&animation.to);
                return to ? AnimationValue{interpolate(from, *to, progress)} : animation.to;
            }
        },
        animation.from);
}

double interpolate(double from, double to, double progress) {
    return from + (to - from) * progress;
}

AffineTransform interpolate(const AffineTransform& from, const AffineTransform& to,
                            double progress) {
    return {interpolate(from.a, to.a, progress),   interpolate(from.b, to.b, progress),
            interpolate(from.c, to.c, progress),   interpolate(from.d, to.d, progress),
            interpolate(from.tx, to.tx, progress), interpolate(from.ty, to.ty, progress)};
}

Rect interpolate(const Rect& from, const Rect& to, double progress) {
    return {interpolate(from.origin.x, to.origin.x, progress),
            interpolate(from.origin.y, to.origin.y, progress),
            interpolate(from.size.width, to.size.width, progress),
            interpolate(from.size.height, to.size.height, progress)};
}

Color interpolate(const Color& from, const Color& to, double progress) {
    return Color::dynamic(
        blend(from.resolved(InterfaceStyle::light), to.resolved(InterfaceStyle::light), progress),
        blend(from.resolved(InterfaceStyle::dark), to.resolved(InterfaceStyle::dark), progress));
}

}  // namespace kit
