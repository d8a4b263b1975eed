#pragma once

#include "mediainfo/StoreSearchTarget.h"
#include "widgets/settings/SettingsKeyTypes.h"

// Media information: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const EnumKey<StoreSearchTarget>& lastVideoSearchTarget();

// The keychain items that hold the online services' credentials.
QString theMovieDBKeyItem(); // "TheMovieDB API key"
QString theTVDBKeyItem();    // "TheTVDB API key"
QString theTVDBPinItem();    // "TheTVDB subscriber PIN"

} // namespace corvelle::Settings
