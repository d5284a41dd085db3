#include <algorithm>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/AnimationScope.h"
#include "platform/kit/View.h"

namespace kit {

namespace {

void scheduleCompletion(double after, std::function<void(bool)> completion) {
    if (completion) {
        foundation::MainQueue::main().after(
            after, [completion = std::move(completion)] { completion(true); });
    }
}

double now() {
    return foundation::MainQueue::main().now();
}

}  // namespace

void View::animate(double duration, const std::function<void()>& animations,
                   std::function<void(bool)> completion) {
    animate(duration, 0, animations, std::move(completion));
}

void View::animate(double duration, double delay, const std::function<void()>& animations,
                   std::function<void(bool)> completion) {
    animate(duration, delay, AnimationCurve::easeInOut, animations, std::move(completion));
}

void View::animate(double duration, double delay, AnimationCurve curve,
                   const std::function<void()>& animations, std::function<void(bool)> completion) {
    duration = std::max(0.0, duration);
    delay = std::max(0.0, delay);
    {
        AnimationScope scope(AnimationSettings{duration, delay, curve});
        if (animations) {
            animations();
        }
    }
    scheduleCompletion(delay + duration, std::move(completion));
}

void View::transition(const std::shared_ptr<View>& view, double duration, TransitionOption option,
                      const std::function<void()>& animations,
                      std::function<void(bool)> completion) {
    duration = std::max(0.0, duration);
    if (view && option == TransitionOption::crossDissolve) {
        // The picture is taken before the changes, so it is the one the user saw.
        ViewAnimation dissolve;
        dissolve.property = AnimatedProperty::contents;
        dissolve.start = now();
        dissolve.duration = duration;
        dissolve.snapshot = ContentsSnapshot::capture(*view);
        bool keepsPicture = dissolve.snapshot != nullptr;
        view->recordAnimation(std::move(dissolve));
        if (keepsPicture) {
            releaseWhenFinished(view, duration);
        }
    }
    // The old picture fades into the new one; the changes themselves are immediate.
    performWithoutAnimation(animations);
    scheduleCompletion(duration, std::move(completion));
}

// A finished animation otherwise stays until the view records its next one, and a kept
// picture can be as large as the screen.
void View::releaseWhenFinished(const std::shared_ptr<View>& view, double duration) {
    std::weak_ptr<View> weak = view;
    foundation::MainQueue::main().after(duration, [weak] {
        if (auto alive = weak.lock()) {
            alive->discardFinishedAnimations();
        }
    });
}

void View::discardFinishedAnimations() {
    animations_.discardFinished();
}

void View::performWithoutAnimation(const std::function<void()>& changes) {
    AnimationScope scope(std::nullopt);
    if (changes) {
        changes();
    }
}

void View::recordAnimation(ViewAnimation animation) {
    animations_.record(std::move(animation));
    setNeedsDisplay();
}

void View::noteAnimatableChange(AnimatedProperty property, AnimationValue from, AnimationValue to) {
    auto settings = AnimationScope::current();
    if (!settings) {
        // Set directly: the change shows at once, over any animation still running.
        animations_.stop(property);
        return;
    }
    // A new animation takes over from what is on screen, not from the old model value.
    if (const ViewAnimation* running = animations_.running(property)) {
        from = presentationValue(*running, now());
    }
    recordAnimation({property, std::move(from), std::move(to), now() + settings->delay,
                     settings->duration, settings->curve, settings->dampingRatio, nullptr});
}

std::vector<ViewAnimation> View::runningAnimations() const {
    return animations_.running();
}

double View::presentationAlpha() const {
    return animations_.presented(AnimatedProperty::alpha, alpha_);
}

AffineTransform View::presentationTransform() const {
    return animations_.presented(AnimatedProperty::transform, transform_);
}

Rect View::presentationFrame() const {
    return animations_.presented(AnimatedProperty::frame, frame_);
}

}  // namespace kit
