#include <string>
#include <string_view>

#include "platform/foundation/FileManager.h"

// Path strings follow the phone's string rules: repeated slashes collapse, a trailing slash
// is dropped (except for the root itself), and an extension is the text after the last dot
// of the last component, unless that dot starts the name (".profile" has none).
namespace foundation {

namespace {

std::string collapsedSlashes(std::string_view path) {
    std::string result;
    result.reserve(path.size());
    for (char c : path) {
        if (c == '/' && !result.empty() && result.back() == '/') {
            continue;
        }
        result.push_back(c);
    }
    if (result.size() > 1 && result.back() == '/') {
        result.pop_back();
    }
    return result;
}

}  // namespace

std::string appendingPathComponent(std::string_view folder, std::string_view name) {
    if (folder.empty()) {
        return collapsedSlashes(name);
    }
    if (name.empty()) {
        return collapsedSlashes(folder);
    }
    return collapsedSlashes(std::string(folder) + "/" + std::string(name));
}

std::string lastPathComponent(std::string_view path) {
    std::string fixed = collapsedSlashes(path);
    if (fixed == "/") {
        return fixed;
    }
    auto slash = fixed.rfind('/');
    return slash == std::string::npos ? fixed : fixed.substr(slash + 1);
}

std::string pathExtension(std::string_view path) {
    std::string name = lastPathComponent(path);
    auto dot = name.rfind('.');
    if (name == "/" || dot == std::string::npos || dot == 0 || name == "..") {
        return {};
    }
    return name.substr(dot + 1);
}

}  // namespace foundation
