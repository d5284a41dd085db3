#include "platform/foundation/Bundle.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace foundation {

namespace {

bool isPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::optional<std::string> contentsOfFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > maximumPropertyListBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<std::filesystem::path> Bundle::pathForResource(std::string_view name,
                                                             std::string_view type) const {
    std::string fileName(name);
    if (!type.empty()) {
        fileName += '.';
        fileName += type;
    }
    if (folder_.empty() || !isPlainName(fileName)) {
        return std::nullopt;
    }
    std::filesystem::path path = folder_ / fileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    return path;
}

std::optional<PlistDictionary> Bundle::dictionaryForResource(std::string_view name,
                                                             std::string_view type) const {
    auto path = pathForResource(name, type);
    if (!path) {
        return std::nullopt;
    }
    auto bytes = contentsOfFile(*path);
    if (!bytes) {
        return std::nullopt;
    }
    auto root = parsePropertyList(*bytes);
    if (!root || !root->is<PlistDictionary>()) {
        return std::nullopt;
    }
    return std::move(*root->get<PlistDictionary>());
}

}  // namespace foundation
