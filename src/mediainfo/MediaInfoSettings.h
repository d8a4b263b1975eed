#pragma once

#include "mediainfo/StoreSearchTarget.h"
#include "widgets/settings/SettingsKeyTypes.h"

// Media information: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const EnumKey<StoreSearchTarget>& lastVideoSearchTarget();

} // namespace corvelle::Settings
