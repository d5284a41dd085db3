#include "settings/SettingsEntry.h"

namespace kelvora {

namespace SettingsEntry {

std::optional<std::string> text(const foundation::PlistDictionary& entry, std::string_view key) {
    auto found = entry.find(key);
    if (found == entry.end()) {
        return std::nullopt;
    }
    if (const auto* value = found->second.get<std::string>()) {
        return *value;
    }
    return std::nullopt;
}

bool boolean(const foundation::PlistDictionary& entry, std::string_view key) {
    auto found = entry.find(key);
    return found != entry.end() && found->second.boolValue();
}

}  // namespace SettingsEntry

}  // namespace kelvora
