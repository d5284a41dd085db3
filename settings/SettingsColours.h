#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PropertyList.h"
#include "platform/kit/Color.h"
#include "settings/ZerovinPrefsSectionDataModel.h"

namespace kelvora {

// Colour texts of the settings screen: a header's or row's "AccentColour", a colour row's
// stored value or "DefaultColour". The eleven system names ("blue", "tertiary", ...) are
// matched exactly first, then the six-digit hex form; anything else, and no text, is gray.
namespace SettingsColours {

kit::Color colorWithHexString(std::optional<std::string_view> text);
std::string hexStringFromColor(const kit::Color& color);

// A row's icon tile and symbol: its own "AccentColour", or the screen's accent colour.
kit::Color rowColour(const foundation::PlistDictionary& row, const kit::Color& accentColour);
// A switch's on colour is always the row's own "AccentColour", gray without one.
kit::Color switchOnColour(const foundation::PlistDictionary& row);
// A header's symbol and title: its accent, or the tertiary label colour without one.
kit::Color headerColour(const ZerovinPrefsSectionDataModel& section);

}  // namespace SettingsColours

}  // namespace kelvora
