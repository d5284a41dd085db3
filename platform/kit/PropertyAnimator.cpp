#include "platform/kit/PropertyAnimator.h"

#include <algorithm>

#include "platform/foundation/MainQueue.h"
#include "platform/kit/AnimationScope.h"

namespace kit {

PropertyAnimator::PropertyAnimator(double duration, double dampingRatio,
                                   std::function<void()> animations)
    : duration_(std::max(0.0, duration)), dampingRatio_(dampingRatio) {
    addAnimations(std::move(animations));
}

void PropertyAnimator::addAnimations(std::function<void()> animations) {
    if (animations) {
        animations_.push_back(std::move(animations));
    }
}

void PropertyAnimator::addCompletion(Completion completion) {
    if (completion) {
        completions_.push_back(std::move(completion));
    }
}

void PropertyAnimator::startAnimation() {
    if (state_ != State::inactive) {
        return;
    }
    state_ = State::running;
    {
        AnimationScope scope(
            AnimationSettings{duration_, 0, AnimationCurve::spring, dampingRatio_});
        for (const auto& animations : std::vector<std::function<void()>>(animations_)) {
            animations();
        }
    }
    auto self = weak_from_this().lock();
    if (!self) {
        // Not owned by a shared_ptr: the completions must not reach back into it.
        foundation::MainQueue::main().after(duration_, [completions = completions_] {
            for (const auto& completion : completions) {
                completion(AnimatingPosition::end);
            }
        });
        return;
    }
    foundation::MainQueue::main().after(duration_, [self] { self->finish(); });
}

void PropertyAnimator::finish() {
    state_ = State::finished;
    for (const auto& completion : std::vector<Completion>(completions_)) {
        completion(AnimatingPosition::end);
    }
}

}  // namespace kit
