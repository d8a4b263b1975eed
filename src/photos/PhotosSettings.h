#pragma once

#include "widgets/settings/SettingsKeyTypes.h"

// The photo library: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const CGFloatKey& photoCollectionZoom();

} // namespace corvelle::Settings
