#pragma once

#include <memory>
#include <optional>

#include "platform/kit/ContentsSnapshot.h"
#include "platform/kit/ContextMenuConfiguration.h"
#include "platform/kit/Geometry.h"

namespace kit {

// A context menu asked for by a long press: its configuration, the pressed item's rectangle
// in window coordinates, and what the item showed, to lift above the dimmed screen (none when
// nothing draws pictures).
struct ContextMenuRequest {
    ContextMenuConfiguration configuration;
    Rect sourceRect;
    std::shared_ptr<const ContentsSnapshot> sourcePicture;
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
