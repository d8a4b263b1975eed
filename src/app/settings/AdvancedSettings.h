#pragma once

#include "widgets/settings/SettingsKeyTypes.h"

// Advanced preferences: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const BoolKey& enableDebuggingMode();

} // namespace corvelle::Settings
