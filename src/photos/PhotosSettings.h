#pragma once

#include "widgets/settings/SettingsKeyTypes.h"

// The photo library: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const CGFloatKey& photoCollectionZoom();
// The folder of the photo library; the user's pictures folder until one is chosen.
const StringKey& photoLibraryFolder();

} // namespace corvelle::Settings

namespace corvelle::Settings {

// The region the remote-profile location sheet's map showed last: centre latitude, centre
// longitude and zoom level.
const StringKey& remoteLocationMapRegion();

} // namespace corvelle::Settings
