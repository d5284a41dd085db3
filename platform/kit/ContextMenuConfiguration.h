#pragma once

#include <functional>
#include <memory>

#include "platform/kit/Menu.h"

namespace kit {

class View;

// What a long press on a list item brings up: the menu, made when it is shown, and the
// view lifted above the dimmed screen as its preview (the pressed item when empty).
struct ContextMenuConfiguration {
    std::function<Menu()> actionProvider;
    std::function<std::shared_ptr<View>()> previewProvider;
};

}  // namespace kit
