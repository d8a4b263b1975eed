#pragma once

namespace corvelle {

// Told when the user chooses one of the application's desktop notifications.
class UserNotificationCenterDelegate {
public:
    virtual ~UserNotificationCenterDelegate() = default;
    virtual void userNotificationCenterDidActivate() = 0;
};

} // namespace corvelle
