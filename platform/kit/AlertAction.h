#pragma once

#include <functional>
#include <string>

namespace kit {

enum class AlertActionStyle { defaultStyle, cancel, destructive };

// One button of an alert or action sheet. A checked action shows a check mark, as the
// current entry of a choice does.
struct AlertAction {
    std::string title;
    AlertActionStyle style = AlertActionStyle::defaultStyle;
    std::function<void()> handler;
    bool checked = false;
};

}  // namespace kit
