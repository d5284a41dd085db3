#include "appearance/SetupAppearance.h"

#include <string>

#include "store/SetupManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace SetupAppearance {

namespace {

kit::Color pair(kit::Rgba light, kit::Rgba dark) {
    return kit::Color::dynamic(light, dark);
}

}  // namespace

kit::Color primaryColour() {
    return pair({0.95, 0.95, 0.96, 1}, {0.11, 0.11, 0.12, 1});
}

kit::Color secondaryColour() {
    return pair({1, 1, 1, 1}, {0.17, 0.17, 0.18, 1});
}

kit::Color tertiaryColour() {
    return pair({0.93, 0.93, 0.94, 1}, {0.24, 0.24, 0.25, 1});
}

kit::Color lineColour() {
    return pair({0.85, 0.85, 0.86, 1}, {0.21, 0.21, 0.22, 1});
}

kit::Color cellSecondaryColour() {
    return pair({0.91, 0.91, 0.91, 1}, {0.2, 0.2, 0.22, 1});
}

kit::Color enabledColour() {
    return pair({0.33, 0.91, 0.49, 1}, {0.33, 0.91, 0.49, 1});
}

kit::Color enabledBorderColour() {
    return pair({0.3, 0.92, 0.48, 1}, {0.29, 0.87, 0.45, 1});
}

kit::Color enabledShadowColour() {
    return pair({0.3, 0.81, 0.42, 1}, {0.24, 0.96, 0.4, 1});
}

kit::Color disabledColour() {
    return pair({1, 0.27, 0.23, 1}, {1, 0.27, 0.23, 1});
}

kit::Color disabledBorderColour() {
    return pair({0.97, 0.3, 0.25, 1}, {0.97, 0.3, 0.26, 1});
}

kit::Color disabledShadowColour() {
    return pair({0.87, 0.19, 0.15, 1}, {0.76, 0.13, 0.09, 1});
}

kit::Color setupAccentColour() {
    return SetupManager::sharedInstance().colourForKey(kAccentColourKey, kDefaultAccentColour,
                                                       std::string(kKelvoraPrefsID));
}

}  // namespace SetupAppearance

}  // namespace kelvora
