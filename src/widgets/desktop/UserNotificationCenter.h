#pragma once

#include <QObject>
#include <QSet>

namespace corvelle {

class UserNotificationCenterDelegate;

// The application's desktop notifications, through the freedesktop notification service on the
// session bus. Without a session bus or a notification service it quietly does nothing.
class UserNotificationCenter : public QObject {
    Q_OBJECT

public:
    static UserNotificationCenter& current();

    void setDelegate(UserNotificationCenterDelegate* delegate) { delegate_ = delegate; }
    UserNotificationCenterDelegate* delegate() const { return delegate_; }

    // Shows a notification at once, without sound; choosing it tells the delegate.
    void add(const QString& title, const QString& subtitle);

private:
    UserNotificationCenter();

    Q_SLOT void actionInvoked(uint identifier, const QString& actionKey);
    Q_SLOT void notificationClosed(uint identifier, uint reason);

    UserNotificationCenterDelegate* delegate_ = nullptr;
    // The notifications of this application that are still shown.
    QSet<uint> shown_;
};

} // namespace corvelle
