#pragma once

#include "widgets/settings/DateStyleGeneralUserChoice.h"
#include "widgets/settings/GPSFormatGeneralUserChoice.h"
#include "widgets/settings/NotificationGeneralUserChoice.h"
#include "widgets/settings/PresetGroupsGeneralUserChoice.h"
#include "widgets/settings/SettingsKeyTypes.h"
#include "widgets/settings/TimeStyleGeneralUserChoice.h"

// General preferences: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const EnumKey<NotificationGeneralUserChoice>& generalUserChoiceNotification();
const EnumKey<DateStyleGeneralUserChoice>& generalUserChoiceDateStyle();
const EnumKey<TimeStyleGeneralUserChoice>& generalUserChoiceTimeStyle();
const EnumKey<GPSFormatGeneralUserChoice>& generalUserChoiceGPSFormat();
const EnumKey<PresetGroupsGeneralUserChoice>& generalUserChoicePresetGroups();

} // namespace corvelle::Settings
