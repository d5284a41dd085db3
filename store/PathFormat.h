#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvora {

// Puts `values` in place of the "%@" placeholders of `format`, in order. Placeholders
// beyond the values are left as they stand; values beyond the placeholders are dropped.
std::string formatPath(std::string_view format, std::initializer_list<std::string_view> values);

}  // namespace kelvora
