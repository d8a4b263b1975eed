#pragma once

#include "map/MKMapTypeUDC.h"
#include "map/MapAutomaticZoomUserChoice.h"
#include "map/MapDisplayFilenameUserChoice.h"
#include "map/MapDisplayOtherItemsUserChoice.h"
#include "widgets/settings/SettingsKeyTypes.h"

// The map: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

using MapTypeKey = brisa::EvaluedUserDefaultsKey<MKMapTypeUDC>;

const MapTypeKey& mapViewTypeValue();
const EnumKey<MapDisplayFilenameUserChoice>& mapDisplayFilenameUserChoice();
const EnumKey<MapDisplayOtherItemsUserChoice>& mapDisplayOtherItemsUserChoice();
const EnumKey<MapAutomaticZoomUserChoice>& mapAutomaticZoomUserChoice();

} // namespace corvelle::Settings
