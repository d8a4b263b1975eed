#pragma once

#include "widgets/settings/SettingsKeyTypes.h"

// Quick Look: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const BoolKey& quickLookIsPinned();

} // namespace corvelle::Settings
