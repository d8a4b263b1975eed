#include "FakeEditorWindow.h"

#include "app/AppController.h"
#include "support/ui/PrivateSessionBus.h"
#include "widgets/desktop/UserNotificationCenter.h"
#include "widgets/desktop/UserNotificationCenterDelegate.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTest>

using corvelle::UserNotificationCenter;

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");

// The service has a connection of its own, as it would in its own process.
QDBusConnection serviceBus()
{
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("notification-service"));
}

void sendSignal(const QString& name, const QVariantList& arguments)
{
    QDBusMessage signal = QDBusMessage::createSignal(path, service, name);
    signal.setArguments(arguments);
    serviceBus().send(signal);
}

class CountingDelegate : public corvelle::UserNotificationCenterDelegate {
public:
    void userNotificationCenterDidActivate() override { ++activations; }
    int activations = 0;
};

} // namespace

// The desktop's notification service, as far as the application uses it.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call {
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Call> calls;

public Q_SLOTS:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int)
    {
        calls << Call{summary, body, actions, hints};
        return uint(calls.size());
    }
};

class UserNotificationCenterTest : public QObject {
    Q_OBJECT

private:
    FakeNotificationService service_;

private Q_SLOTS:
    void initTestCase()
    {
        if (!corvelle::test::PrivateSessionBus::isActive())
            QSKIP("no session bus of this test's own");
        QDBusConnection bus = serviceBus();
        QVERIFY(bus.isConnected());
        QVERIFY(bus.registerObject(path, &service_, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(service));
    }

    void choosingANotificationBringsTheEditorWindowBack()
    {
        FakeEditorWindow* editor = nullptr;
        const auto environment = fakeEditorEnvironment(editor);
        corvelle::AppController controller(environment);
        QVERIFY(controller.launch());
        editor->window()->close();

        UserNotificationCenter::current().add(QStringLiteral("Tasks done"), QStringLiteral("All files are written."));
        QTRY_COMPARE(service_.calls.size(), 1);
        const FakeNotificationService::Call& call = service_.calls.first();
        QCOMPARE(call.summary, QStringLiteral("Tasks done"));
        QCOMPARE(call.body, QStringLiteral("All files are written."));
        QCOMPARE(call.actions.value(0), QStringLiteral("default"));
        QCOMPARE(call.hints.value(QStringLiteral("desktop-entry")).toString(), QGuiApplication::desktopFileName());

        sendSignal(QStringLiteral("ActionInvoked"), {uint(service_.calls.size()), QStringLiteral("default")});
        QTRY_VERIFY(editor->window()->isVisible());
    }

    // Only the default action of a notification of this application, still shown, counts.
    void otherNotificationsAreLeftAlone()
    {
        CountingDelegate delegate;
        UserNotificationCenter& center = UserNotificationCenter::current();
        center.setDelegate(&delegate);

        center.add(QStringLiteral("First"), QString());
        QTRY_COMPARE(service_.calls.size(), 2);
        const uint closed = uint(service_.calls.size());
        sendSignal(QStringLiteral("ActionInvoked"), {uint(900), QStringLiteral("default")});
        sendSignal(QStringLiteral("ActionInvoked"), {closed, QStringLiteral("other")});
        sendSignal(QStringLiteral("NotificationClosed"), {closed, uint(2)});
        sendSignal(QStringLiteral("ActionInvoked"), {closed, QStringLiteral("default")});

        center.add(QStringLiteral("Second"), QString());
        QTRY_COMPARE(service_.calls.size(), 3);
        sendSignal(QStringLiteral("ActionInvoked"), {uint(service_.calls.size()), QStringLiteral("default")});
        QTRY_COMPARE(delegate.activations, 1);
        center.setDelegate(nullptr);
    }
};

CORVELLE_TEST_MAIN_WITH_PRIVATE_BUS(UserNotificationCenterTest)
#include "UserNotificationCenterTest.moc"
