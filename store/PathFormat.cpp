#include "store/PathFormat.h"

namespace kelvora {

std::string formatPath(std::string_view format, std::initializer_list<std::string_view> values) {
    constexpr std::string_view placeholder = "%@";
    std::string result;
    auto value = values.begin();
    std::size_t position = 0;
    while (value != values.end()) {
        std::size_t found = format.find(placeholder, position);
        if (found == std::string_view::npos) {
            break;
        }
        result.append(format.substr(position, found - position)).append(*value++);
        position = found + placeholder.size();
    }
    result.append(format.substr(position));
    return result;
}

}  // namespace kelvora
