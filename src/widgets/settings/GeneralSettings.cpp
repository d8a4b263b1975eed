#include "widgets/settings/GeneralSettings.h"

namespace corvelle {

const Settings::EnumKey<NotificationGeneralUserChoice>& Settings::generalUserChoiceNotification()
{
    static const EnumKey<NotificationGeneralUserChoice> key(QStringLiteral("GeneralUserChoiceNotification"), [] { return NotificationGeneralUserChoice::allNotifications; });
    return key;
}

const Settings::EnumKey<DateStyleGeneralUserChoice>& Settings::generalUserChoiceDateStyle()
{
    static const EnumKey<DateStyleGeneralUserChoice> key(QStringLiteral("GeneralUserChoiceDateStyle"), [] { return DateStyleGeneralUserChoice::medium; });
    return key;
}

const Settings::EnumKey<TimeStyleGeneralUserChoice>& Settings::generalUserChoiceTimeStyle()
{
    static const EnumKey<TimeStyleGeneralUserChoice> key(QStringLiteral("GeneralUserChoiceTimeStyle"), [] { return TimeStyleGeneralUserChoice::medium; });
    return key;
}

const Settings::EnumKey<GPSFormatGeneralUserChoice>& Settings::generalUserChoiceGPSFormat()
{
    static const EnumKey<GPSFormatGeneralUserChoice> key(QStringLiteral("GeneralUserChoiceGPSFormat"), [] { return defaultGPSFormat(); });
    return key;
}

const Settings::EnumKey<PresetGroupsGeneralUserChoice>& Settings::generalUserChoicePresetGroups()
{
    static const EnumKey<PresetGroupsGeneralUserChoice> key(QStringLiteral("GeneralUserChoicePresetGroups"), [] { return PresetGroupsGeneralUserChoice::showGroups; });
    return key;
}

} // namespace corvelle
