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
// The tile servers: "{z}", "{x}" and "{y}" stand for the tile. The standard map's server, and
// the imagery's (empty: the imagery styles show the standard map).
const StringKey& mapStandardTileURLTemplate();
const StringKey& mapImageryTileURLTemplate();
// The region the map showed last: centre latitude, centre longitude and zoom level.
const StringKey& mapViewRegion();

} // namespace corvelle::Settings
