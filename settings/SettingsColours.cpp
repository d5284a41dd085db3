#include "settings/SettingsColours.h"

#include "settings/SettingsEntry.h"
#include "store/HexColourCodec.h"

namespace kelvora {

namespace SettingsColours {

kit::Color colorWithHexString(std::optional<std::string_view> text) {
    if (!text) {
        return kit::Color::grayColor();
    }
    return HexColourCodec(HexColourCodec::Names::system).colorWithHexString(*text);
}

std::string hexStringFromColor(const kit::Color& color) {
    return HexColourCodec::hexStringFromColor(color);
}

kit::Color rowColour(const foundation::PlistDictionary& row, const kit::Color& accentColour) {
    auto accent = SettingsEntry::text(row, SettingsEntry::kAccentColourKey);
    return accent ? colorWithHexString(*accent) : accentColour;
}

kit::Color switchOnColour(const foundation::PlistDictionary& row) {
    return colorWithHexString(SettingsEntry::text(row, SettingsEntry::kAccentColourKey));
}

kit::Color headerColour(const ZerovinPrefsSectionDataModel& section) {
    return section.accent ? colorWithHexString(*section.accent) : kit::Color::tertiaryLabelColor();
}

}  // namespace SettingsColours

}  // namespace kelvora
