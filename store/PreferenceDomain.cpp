#include "store/PreferenceDomain.h"

#include <utility>

#include "store/PathFormat.h"
#include "store/PreferenceFile.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

foundation::Error noDomainError() {
    return foundation::Error{"The preference domain has no usable name."};
}

}  // namespace

bool PreferenceDomain::isPlainFileName(std::string_view name) {
    return name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::optional<std::string> PreferenceDomain::filePath(const std::optional<std::string>& ID) {
    if (!ID || !isPlainFileName(*ID)) {
        return std::nullopt;
    }
    return formatPath(kDomainFilePathFormat, {*ID});
}

std::optional<foundation::PlistValue> PreferenceDomain::value(
    std::string_view key, const std::optional<std::string>& ID) {
    auto path = filePath(ID);
    if (!path) {
        return std::nullopt;
    }
    auto file = PreferenceFile::read(std::move(*path));
    auto found = file.dictionary().find(key);
    if (found == file.dictionary().end()) {
        return std::nullopt;
    }
    return std::move(found->second);
}

foundation::Result<void> PreferenceDomain::setValue(std::string_view key,
                                                    foundation::PlistValue value,
                                                    const std::optional<std::string>& ID) {
    auto path = filePath(ID);
    if (!path) {
        return noDomainError();
    }
    auto file = PreferenceFile::read(std::move(*path));
    file.dictionary().insert_or_assign(std::string(key), std::move(value));
    return file.write();
}

foundation::Result<void> PreferenceDomain::removeValue(std::string_view key,
                                                       const std::optional<std::string>& ID) {
    auto path = filePath(ID);
    if (!path) {
        return noDomainError();
    }
    auto file = PreferenceFile::read(std::move(*path));
    if (auto found = file.dictionary().find(key); found != file.dictionary().end()) {
        file.dictionary().erase(found);
    }
    return file.write();
}

}  // namespace kelvora
