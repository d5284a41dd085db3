#pragma once

#include "platform/kit/Color.h"

namespace kelvora {

// The app's palette. Most colours are light/dark pairs resolved by the window they are drawn
// in. The accent colour is the user's choice from the settings domain, read afresh on every
// call so that screens pick up a change the next time they ask.
namespace SetupAppearance {

// The background of every screen's main view.
kit::Color primaryColour();
// The background of boxes and tiles placed on a screen.
kit::Color secondaryColour();
kit::Color tertiaryColour();
kit::Color lineColour();
kit::Color cellSecondaryColour();
kit::Color enabledColour();
kit::Color enabledBorderColour();
kit::Color enabledShadowColour();
kit::Color disabledColour();
kit::Color disabledBorderColour();
kit::Color disabledShadowColour();

// "accentColour" of the settings domain, or 04C7BE when nothing usable is stored.
kit::Color setupAccentColour();

}  // namespace SetupAppearance

}  // namespace kelvora
