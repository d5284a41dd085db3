#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace kit {

enum class AnimatingPosition { end, start, current };

// Animations started on demand with spring timing. Like View::animate, the changes take
// their final values when the animator starts and the completions run once the
// duration has passed. A running animator keeps itself alive until it has finished.
class PropertyAnimator final : public std::enable_shared_from_this<PropertyAnimator> {
  public:
    using Completion = std::function<void(AnimatingPosition)>;

    PropertyAnimator(double duration, double dampingRatio, std::function<void()> animations);
    PropertyAnimator(const PropertyAnimator&) = delete;
    PropertyAnimator& operator=(const PropertyAnimator&) = delete;

    void addAnimations(std::function<void()> animations);
    void addCompletion(Completion completion);
    // Starts once; later calls while running or after the end do nothing.
    void startAnimation();
    bool isRunning() const { return state_ == State::running; }
    double duration() const { return duration_; }
    double dampingRatio() const { return dampingRatio_; }

  private:
    enum class State { inactive, running, finished };
    void finish();

    double duration_;
    double dampingRatio_;
    std::vector<std::function<void()>> animations_;
    std::vector<Completion> completions_;
    State state_ = State::inactive;
};

}  // namespace kit
