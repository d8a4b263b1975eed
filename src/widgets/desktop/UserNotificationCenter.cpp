#include "widgets/desktop/UserNotificationCenter.h"

#include "widgets/desktop/UserNotificationCenterDelegate.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

namespace corvelle {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString defaultAction = QStringLiteral("default");

} // namespace

UserNotificationCenter& UserNotificationCenter::current()
{
    static UserNotificationCenter* center = new UserNotificationCenter;
    return *center;
}

UserNotificationCenter::UserNotificationCenter()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
}

void UserNotificationCenter::add(const QString& title, const QString& subtitle)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(service))
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QGuiApplication::desktopFileName()},
                            {QStringLiteral("suppress-sound"), true}};
    call << QGuiApplication::applicationDisplayName() << uint(0) << QString() << title << subtitle
         << QStringList{defaultAction, QString()} << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<uint> reply = *finished;
        if (!reply.isError())
            shown_.insert(reply.value());
        finished->deleteLater();
    });
}

void UserNotificationCenter::actionInvoked(uint identifier, const QString& actionKey)
{
    // The service tells every client about every notification: only ours count.
    if (!shown_.contains(identifier) || actionKey != defaultAction)
        return;
    if (delegate_)
        delegate_->userNotificationCenterDidActivate();
}

void UserNotificationCenter::notificationClosed(uint identifier, uint)
{
    shown_.remove(identifier);
}

} // namespace corvelle
