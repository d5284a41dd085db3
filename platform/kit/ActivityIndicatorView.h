#pragma once

#include <optional>

#include "platform/kit/View.h"

namespace kit {

enum class ActivityIndicatorViewStyle { medium, large };

// A spinning progress indicator. It starts stopped, and by default hides itself whenever it
// is stopped and shows itself when started.
class ActivityIndicatorView final : public View {
  public:
    explicit ActivityIndicatorView(
        ActivityIndicatorViewStyle style = ActivityIndicatorViewStyle::medium);

    ActivityIndicatorViewStyle style() const { return style_; }
    // The spinner's colour: gray unless set.
    Color color() const { return color_.value_or(Color::systemGrayColor()); }
    void setColor(std::optional<Color> color);
    bool hidesWhenStopped() const { return hidesWhenStopped_; }
    void setHidesWhenStopped(bool hides);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return animating_; }

    Size intrinsicContentSize() const override;

  private:
    ActivityIndicatorViewStyle style_;
    std::optional<Color> color_;
    bool hidesWhenStopped_ = true;
    bool animating_ = false;
};

}  // namespace kit
