#include "support/ui/PrivateSessionBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>
#include <vector>

namespace corvelle::test {

namespace {

const char* const privateBusVariable = "CORVELLE_TEST_PRIVATE_BUS";

// Without a session of our own, none at all: the user's keyring and file manager stay untouched.
void leaveTheUsersSession()
{
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace

void PrivateSessionBus::enter(int argc, char** argv)
{
    if (isActive())
        return;
    // The session bus keeps its sockets there.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir().mkpath(runtime))
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
    if (tool.isEmpty()) {
        leaveTheUsersSession();
        return;
    }
    qputenv(privateBusVariable, "1");
    const QByteArray toolPath = QFile::encodeName(tool);
    const QByteArray config = "--config-file=" CORVELLE_TEST_DBUS_CONFIG;
    std::vector<char*> arguments {const_cast<char*>(toolPath.constData()), const_cast<char*>(config.constData()),
                                  const_cast<char*>("--")};
    for (int index = 0; index < argc; ++index)
        arguments.push_back(argv[index]);
    arguments.push_back(nullptr);
    ::execv(toolPath.constData(), arguments.data());
    qunsetenv(privateBusVariable); // could not start it: run without a bus
    leaveTheUsersSession();
}

bool PrivateSessionBus::isActive()
{
    return qEnvironmentVariableIsSet(privateBusVariable);
}

QProcessEnvironment PrivateSessionBus::unreachableBusEnvironment(const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + folder + QStringLiteral("/no-bus"));
    environment.insert(QString::fromLatin1(privateBusVariable), QStringLiteral("1"));
    // Nor a bus launched through the X server; widgets then need no display either.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

QString PrivateSessionBus::runTestWithoutBus(const QString& testFunction, const char* variable)
{
    QTemporaryDir nowhere;
    if (!nowhere.isValid())
        return QStringLiteral("no folder for the child's missing bus: ") + nowhere.errorString();
    QProcessEnvironment environment = unreachableBusEnvironment(nowhere.path());
    environment.insert(QString::fromLatin1(variable), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {testFunction});
    if (!child.waitForStarted())
        return QStringLiteral("the child could not be started: ") + child.errorString();
    const bool ended = child.waitForFinished(120000);
    if (!ended) {
        child.kill();
        child.waitForFinished();
    }
    const QString output = QString::fromLocal8Bit(child.readAll());
    if (!ended)
        return testFunction + QStringLiteral(" hung without a session bus:\n") + output;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return testFunction + QStringLiteral(" failed without a session bus:\n") + output;
    return {};
}

QString PrivateSessionBus::startKeyring(const QString& home, bool* broken)
{
    if (broken)
        *broken = false;
    const auto fault = [broken](const QString& reason) {
        if (broken)
            *broken = true;
        return reason;
    };
    if (!isActive())
        return QStringLiteral("dbus-run-session is missing, so no private D-Bus session could be made; the real "
                              "keychain is left alone (scripts/install-deps.sh installs dbus)");
    if (!QDBusConnection::sessionBus().isConnected())
        return fault(QStringLiteral("the session bus cannot be reached"));
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon"));
    if (daemon.isEmpty())
        return QStringLiteral("gnome-keyring-daemon is not installed (scripts/install-deps.sh installs gnome-keyring)");
    const QString runtime = home + QStringLiteral("/run");
    if (!QDir().mkpath(runtime))
        return fault(QStringLiteral("the folder %1 could not be made").arg(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));

    // Unlocks (and so makes) a login keyring with this password, then goes to the background.
    QProcess start;
    start.setProcessEnvironment(environment);
    start.start(daemon, {QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
    if (!start.waitForStarted())
        return fault(QStringLiteral("gnome-keyring-daemon could not be started: ") + start.errorString());
    start.write("corvelle-test");
    start.closeWriteChannel();
    if (!start.waitForFinished(30000))
        return fault(QStringLiteral("gnome-keyring-daemon did not start within 30 s"));

    const QString secretService = QStringLiteral("org.freedesktop.secrets");
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    QDeadlineTimer deadline(15000);
    while (!bus->isServiceRegistered(secretService) && !deadline.hasExpired())
        QThread::msleep(50);
    if (!bus->isServiceRegistered(secretService))
        return QStringLiteral("gnome-keyring-daemon did not offer the secret service: ")
               + QString::fromLocal8Bit(start.readAllStandardError().trimmed());
    return {};
}

} // namespace corvelle::test
