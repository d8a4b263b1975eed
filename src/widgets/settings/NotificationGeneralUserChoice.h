#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether finished tasks post a desktop notification.
enum class NotificationGeneralUserChoice {
    noNotification,
    allNotifications,
};

inline QString title(NotificationGeneralUserChoice choice)
{
    switch (choice) {
    case NotificationGeneralUserChoice::noNotification:
        return localizedString(QStringLiteral("GeneralUserChoiceNoNotification"));
    case NotificationGeneralUserChoice::allNotifications:
        return localizedString(QStringLiteral("GeneralUserChoiceAllNotifications"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::NotificationGeneralUserChoice> {
    static const QList<std::pair<corvelle::NotificationGeneralUserChoice, QString>>& table()
    {
        using E = corvelle::NotificationGeneralUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::noNotification, QStringLiteral("no_notification")},
            {E::allNotifications, QStringLiteral("all_notifications")},
        };
        return entries;
    }
};
