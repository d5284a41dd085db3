#pragma once

#include <memory>

#include "platform/kit/LayoutDimension.h"
#include "platform/kit/LayoutXAxisAnchor.h"
#include "platform/kit/LayoutYAxisAnchor.h"

namespace kit {

// The safe-area guide of a view: its bounds less the safe-area insets, so that content
// pinned to it stays clear of the notch and the home indicator.
class LayoutGuide final {
  public:
    explicit LayoutGuide(std::weak_ptr<View> owningView) : owningView_(std::move(owningView)) {}

    std::shared_ptr<View> owningView() const { return owningView_.lock(); }

    LayoutYAxisAnchor topAnchor() const { return {owningView_, LayoutAttribute::top, area}; }
    LayoutYAxisAnchor bottomAnchor() const { return {owningView_, LayoutAttribute::bottom, area}; }
    LayoutXAxisAnchor leadingAnchor() const {
        return {owningView_, LayoutAttribute::leading, area};
    }
    LayoutXAxisAnchor trailingAnchor() const {
        return {owningView_, LayoutAttribute::trailing, area};
    }
    LayoutXAxisAnchor centerXAnchor() const {
        return {owningView_, LayoutAttribute::centerX, area};
    }
    LayoutYAxisAnchor centerYAnchor() const {
        return {owningView_, LayoutAttribute::centerY, area};
    }
    LayoutDimension widthAnchor() const { return {owningView_, LayoutAttribute::width, area}; }
    LayoutDimension heightAnchor() const { return {owningView_, LayoutAttribute::height, area}; }

  private:
    static constexpr LayoutArea area = LayoutArea::safeArea;
    std::weak_ptr<View> owningView_;
};

}  // namespace kit
