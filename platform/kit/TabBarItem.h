#pragma once

#include <optional>
#include <string>

#include "platform/kit/Image.h"

namespace kit {

// The entry a controller shows in a tab bar: a title over a symbol, and a tag the app
// chooses to tell the entries apart.
struct TabBarItem {
    std::string title;
    std::optional<Image> image;
    long tag = 0;
};

}  // namespace kit
