#pragma once

#include "platform/foundation/PropertyList.h"
#include "platform/kit/Color.h"
#include "settings/SettingsModel.h"
#include "settings/ZerovinPrefsCell.h"

namespace kelvora {

// Fills a settings cell from its row entry and the row's stored value each time the row
// comes into view. Plain rows are never filled.
namespace SettingsCellFilling {

void fill(ZerovinPrefsCell& cell, const foundation::PlistDictionary& row,
          const SettingsModel& model);

}  // namespace SettingsCellFilling

}  // namespace kelvora
