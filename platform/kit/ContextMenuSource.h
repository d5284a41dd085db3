#pragma once

#include <optional>

#include "platform/kit/ContextMenuConfiguration.h"
#include "platform/kit/Geometry.h"

namespace kit {

// A context menu asked for by a long press: its configuration and the pressed item's
// rectangle in window coordinates.
struct ContextMenuRequest {
    ContextMenuConfiguration configuration;
    Rect sourceRect;
};

// A view whose items offer context menus (a collection view). A long press anywhere in it
// asks for the menu of the item under the finger.
class ContextMenuSource {
  public:
    virtual ~ContextMenuSource() = default;
    // `point` is in window coordinates; empty when no item there has a menu.
    virtual std::optional<ContextMenuRequest> contextMenuRequestAt(Point point) = 0;
};

}  // namespace kit
