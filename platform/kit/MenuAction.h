#pragma once

#include <functional>
#include <string>

namespace kit {

// One entry of a context menu: a title, an optional symbol and what it does.
struct MenuAction {
    std::string title;
    std::string symbolName;  // empty for none
    bool destructive = false;
    std::function<void()> handler;
};

}  // namespace kit
