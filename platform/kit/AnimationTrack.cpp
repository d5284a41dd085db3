#include "platform/kit/AnimationTrack.h"

#include <algorithm>
#include <iterator>

#include "platform/foundation/MainQueue.h"

namespace kit {

double AnimationTrack::now() {
    return foundation::MainQueue::main().now();
}

void AnimationTrack::record(ViewAnimation animation) {
    double time = now();
    std::erase_if(animations_, [&](const ViewAnimation& recorded) {
        return recorded.isFinished(time) || recorded.property == animation.property;
    });
    animations_.push_back(std::move(animation));
}

void AnimationTrack::stop(AnimatedProperty property) {
    std::erase_if(animations_, [property](const ViewAnimation& recorded) {
        return recorded.property == property;
    });
}

void AnimationTrack::discardFinished() {
    double time = now();
    std::erase_if(animations_,
                  [time](const ViewAnimation& recorded) { return recorded.isFinished(time); });
}

const ViewAnimation* AnimationTrack::running(AnimatedProperty property) const {
    double time = now();
    for (auto it = animations_.rbegin(); it != animations_.rend(); ++it) {
        if (it->property == property && !it->isFinished(time)) {
            return &*it;
        }
    }
    return nullptr;
}

std::vector<ViewAnimation> AnimationTrack::running() const {
    double time = now();
    std::vector<ViewAnimation> shown;
    std::copy_if(animations_.begin(), animations_.end(), std::back_inserter(shown),
                 [time](const ViewAnimation& recorded) { return !recorded.isFinished(time); });
    return shown;
}

}  // namespace kit
