#pragma once

#include <memory>

#include "platform/kit/Geometry.h"

namespace kit {

class View;

enum class TouchPhase { began, moved, ended, cancelled };

// One finger (or the host's mouse). The window hit-tests where a touch begins and sends
// every later phase of it to the same view, even when the finger has left that view.
struct Touch {
    Point location;  // in window coordinates
    Point previousLocation;
    TouchPhase phase = TouchPhase::began;
    std::weak_ptr<View> view;

    Point locationIn(const View& view) const;
    Point previousLocationIn(const View& view) const;
};

}  // namespace kit
