#pragma once

#include <string>
#include <vector>

#include "platform/kit/MenuAction.h"

namespace kit {

// The actions a context menu shows, under an optional title.
struct Menu {
    std::string title;
    std::vector<MenuAction> children;
};

}  // namespace kit
