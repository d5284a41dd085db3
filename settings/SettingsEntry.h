#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace kelvora {

// Reading one entry of the settings resource. Every key is optional. The resource is edited by
// hand, so a value of the wrong kind (a number where a text belongs) reads as missing instead
// of reaching a label or a file name.
namespace SettingsEntry {

inline constexpr std::string_view kPreferencesKey = "Preferences";
inline constexpr std::string_view kCellTypeKey = "CellType";
inline constexpr std::string_view kTitleKey = "Title";
inline constexpr std::string_view kSubtitleKey = "Subtitle";
inline constexpr std::string_view kAccentColourKey = "AccentColour";
inline constexpr std::string_view kShowIconKey = "ShowIcon";
inline constexpr std::string_view kIconKey = "Icon";
inline constexpr std::string_view kDefaultColourKey = "DefaultColour";
inline constexpr std::string_view kDefaultValueKey = "DefaultValue";
inline constexpr std::string_view kBIDKey = "BID";
inline constexpr std::string_view kKeyKey = "Key";
inline constexpr std::string_view kActionKey = "Action";
inline constexpr std::string_view kURLKey = "URL";

std::optional<std::string> text(const foundation::PlistDictionary& entry, std::string_view key);
// The truth value of whatever stands there (a boolean, a number, or a text such as "YES");
// false when the key is missing.
bool boolean(const foundation::PlistDictionary& entry, std::string_view key);

}  // namespace SettingsEntry

}  // namespace kelvora
