#pragma once

#include <memory>

namespace kit {

class View;
class LayoutConstraint;

enum class LayoutAttribute { leading, trailing, centerX, width, top, bottom, centerY, height };
enum class LayoutAxis { horizontal, vertical };

LayoutAxis axisOf(LayoutAttribute attribute);
bool isDimension(LayoutAttribute attribute);
bool isEdge(LayoutAttribute attribute);

// Which rectangle of a view an anchor belongs to: the view's frame or the safe-area guide
// inside it (the frame less the safe-area insets).
enum class LayoutArea { frame, safeArea };

// One line or dimension of a view. Anchors are small values that name their view weakly;
// the typed anchors below only let lines of the same axis be equated.
class LayoutAnchor {
  public:
    std::shared_ptr<View> view() const { return view_.lock(); }
    LayoutAttribute attribute() const { return attribute_; }
    LayoutArea area() const { return area_; }

  protected:
    LayoutAnchor(std::weak_ptr<View> view, LayoutAttribute attribute, LayoutArea area)
        : view_(std::move(view)), attribute_(attribute), area_(area) {}

    std::shared_ptr<LayoutConstraint> equalTo(const LayoutAnchor* other, double constant) const;

  private:
    std::weak_ptr<View> view_;
    LayoutAttribute attribute_;
    LayoutArea area_;
};

}  // namespace kit
