#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/kit/AlertController.h"

namespace kelvora {

// The "Sort" action sheet every list offers: one action per sort value, the current one
// checked, then "Cancel"; tinted with the accent colour.
class SortSheet final {
  public:
    using Choose = std::function<void(const std::string& sortType)>;

    static std::shared_ptr<kit::AlertController> make(
        const std::array<std::string_view, 4>& sortTypes, std::string_view current, Choose choose);
};

}  // namespace kelvora
