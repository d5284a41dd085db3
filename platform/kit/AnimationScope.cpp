#include "platform/kit/AnimationScope.h"

namespace kit {

namespace {

struct State {
    bool open = false;
    std::optional<AnimationSettings> settings;
};

State& state() {
    thread_local State current;
    return current;
}

}  // namespace

AnimationScope::AnimationScope(std::optional<AnimationSettings> settings)
    : outer_(state().settings), hadOuter_(state().open) {
    state().open = true;
    state().settings = settings;
}

AnimationScope::~AnimationScope() {
    state().open = hadOuter_;
    state().settings = outer_;
}

std::optional<AnimationSettings> AnimationScope::current() {
    return state().open ? state().settings : std::nullopt;
}

}  // namespace kit
