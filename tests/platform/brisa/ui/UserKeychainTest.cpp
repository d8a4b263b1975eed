#include "platform/brisa/ui/UserKeychain.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <unistd.h>

using brisa::KeychainResult;
using brisa::UserKeychain;
using namespace std::chrono_literals;

namespace {

// Set in the copy of this program that runs inside its own D-Bus session.
const char* const privateBusVariable = "CORVELLE_KEYCHAIN_TEST_PRIVATE_BUS";
const char* const unreachableProbe = "--unreachable-probe";
const QString secretService = QStringLiteral("org.freedesktop.secrets");

QString statusName(KeychainResult::Status status)
{
    switch (status) {
    case KeychainResult::Status::Success:
        return QStringLiteral("Success");
    case KeychainResult::Status::NotFound:
        return QStringLiteral("NotFound");
    case KeychainResult::Status::TimedOut:
        return QStringLiteral("TimedOut");
    case KeychainResult::Status::Failed:
        return QStringLiteral("Failed");
    }
    return {};
}

// The child run by anUnreachableKeychainFailsClearly(): every call against a bus that is not
// there, one line per result.
int runUnreachableProbe(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    UserKeychain keychain(QStringLiteral("CorvelleTestUnreachable"), 20s);
    const auto print = [](const char* call, const KeychainResult& result) {
        std::printf("%s|%s|%s\n", call, qPrintable(statusName(result.status)), qPrintable(result.errorText));
        std::fflush(stdout);
    };
    print("read", keychain.read(QStringLiteral("probe item")));
    print("save", keychain.save(QStringLiteral("secret"), QStringLiteral("probe item")));
    print("remove", keychain.remove(QStringLiteral("probe item")));
    keychain.saveAsync(QStringLiteral("secret"), QStringLiteral("probe item"), &app, [&](const KeychainResult& result) {
        print("saveAsync", result);
        app.quit();
    });
    return app.exec();
}

} // namespace

#define REQUIRE_KEYCHAIN()                                                                                             \
    do {                                                                                                               \
        if (!available_)                                                                                               \
            QSKIP(skipReason_.constData());                                                                            \
    } while (false)

class UserKeychainTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (!qEnvironmentVariableIsSet(privateBusVariable)) {
            skipReason_ = "dbus-run-session is missing, so no private D-Bus session could be made; the real "
                          "keychain is left alone (scripts/install-deps.sh installs dbus)";
            return;
        }
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon"));
        if (daemon.isEmpty()) {
            skipReason_ = "gnome-keyring-daemon is not installed (scripts/install-deps.sh installs gnome-keyring)";
            return;
        }
        QVERIFY(home_.isValid());
        QVERIFY(QDir(home_.path()).mkpath(QStringLiteral("run")));
        QFile::setPermissions(home_.filePath(QStringLiteral("run")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.filePath(QStringLiteral("run")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));

        // Unlocks (and so makes) a login keyring with this password, then goes to the background.
        QProcess start;
        start.setProcessEnvironment(environment);
        start.start(daemon, {QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
        QVERIFY(start.waitForStarted());
        start.write("corvelle-test");
        start.closeWriteChannel();
        QVERIFY(start.waitForFinished(30000));

        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        QVERIFY(bus);
        QDeadlineTimer deadline(15000);
        while (!bus->isServiceRegistered(secretService) && !deadline.hasExpired())
            QThread::msleep(50);
        if (!bus->isServiceRegistered(secretService)) {
            skipReason_ = "gnome-keyring-daemon did not offer the secret service: "
                + start.readAllStandardError().trimmed();
            return;
        }
        daemonPid_ = bus->servicePid(secretService);
        available_ = true;
    }

    void savesReadsReplacesAndRemoves_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("plain") << QStringLiteral("s3cret");
        QTest::newRow("empty") << QString();
        QTest::newRow("non-ASCII") << QStringLiteral("ünïcödé € \U0001F511");
        QTest::newRow("two lines") << QStringLiteral("first\nsecond");
        QTest::newRow("long") << QString(2000, QLatin1Char('x'));
    }

    void savesReadsReplacesAndRemoves()
    {
        REQUIRE_KEYCHAIN();
        QFETCH(QString, password);
        UserKeychain keychain(QStringLiteral("CorvelleTest"));
        const QString name = QStringLiteral("item ") + QTest::currentDataTag();

        KeychainResult result = keychain.read(name);
        QCOMPARE(statusName(result.status), QStringLiteral("NotFound"));
        QVERIFY(!result.password);
        QVERIFY(!result.isError());

        QVERIFY2(keychain.save(password, name).succeeded(), qPrintable(keychain.save(password, name).errorText));
        result = keychain.read(name);
        QVERIFY2(result.succeeded(), qPrintable(result.errorText));
        QVERIFY(result.password); // an empty password is a password
        QCOMPARE(*result.password, password);

        QVERIFY(keychain.save(QStringLiteral("replaced"), name).succeeded());
        QCOMPARE(keychain.read(name).password, std::optional<QString>(QStringLiteral("replaced")));

        QVERIFY(keychain.remove(name).succeeded());
        QCOMPARE(statusName(keychain.read(name).status), QStringLiteral("NotFound"));
        // Removing what is not there is no error.
        QVERIFY(!keychain.remove(name).isError());
    }

    void itemsBelongToTheirService()
    {
        REQUIRE_KEYCHAIN();
        QCOMPARE(UserKeychain::standard().service(), QStringLiteral("Corvelle"));
        UserKeychain first(QStringLiteral("CorvelleTestFirst"));
        UserKeychain second(QStringLiteral("CorvelleTestSecond"));
        const QString name = QStringLiteral("Corvelle decoding password");
        QVERIFY(first.save(QStringLiteral("one"), name).succeeded());
        QVERIFY(second.save(QStringLiteral("two"), name).succeeded());
        QCOMPARE(first.read(name).password, std::optional<QString>(QStringLiteral("one")));
        QCOMPARE(second.read(name).password, std::optional<QString>(QStringLiteral("two")));
        QVERIFY(first.remove(name).succeeded());
        QCOMPARE(second.read(name).password, std::optional<QString>(QStringLiteral("two")));
        QVERIFY(second.remove(name).succeeded());
    }

    void asynchronousCallsCompleteOnTheMainThreadInOrder()
    {
        REQUIRE_KEYCHAIN();
        UserKeychain keychain(QStringLiteral("CorvelleTest"));
        const QString name = QStringLiteral("ordered");
        QStringList completed;
        bool allOnMainThread = true;
        const auto record = [&](const QString& label) {
            return [&, label](const KeychainResult& result) {
                allOnMainThread = allOnMainThread && QThread::currentThread() == qApp->thread();
                completed << label + (result.succeeded() ? QString() : QStringLiteral(" failed: ") + result.errorText);
            };
        };
        QStringList expected;
        for (int index = 0; index < 20; ++index) {
            const QString password = QStringLiteral("p%1").arg(index);
            keychain.saveAsync(password, name, this, record(password));
            expected << password;
        }
        std::optional<QString> readBack;
        keychain.readAsync(name, this, [&](const KeychainResult& result) {
            readBack = result.password;
            completed << QStringLiteral("read");
        });
        expected << QStringLiteral("read");
        QVERIFY(completed.isEmpty()); // never inside the call
        QTRY_COMPARE_WITH_TIMEOUT(completed, expected, 30000);
        QVERIFY(allOnMainThread);
        QCOMPARE(readBack, std::optional<QString>(QStringLiteral("p19")));
        QCOMPARE(keychain.read(name).password, std::optional<QString>(QStringLiteral("p19")));

        // A completion whose context is gone is dropped.
        int dropped = 0;
        auto context = std::make_unique<QObject>();
        keychain.removeAsync(name, context.get(), [&](const KeychainResult&) { ++dropped; });
        context.reset();
        QCOMPARE(statusName(keychain.read(name).status), QStringLiteral("NotFound"));
        QTest::qWait(0);
        QCOMPARE(dropped, 0);
    }

    void callsFromOtherThreadsAreSafe()
    {
        REQUIRE_KEYCHAIN();
        UserKeychain keychain(QStringLiteral("CorvelleTest"));
        QList<int> workers;
        for (int index = 0; index < 8; ++index)
            workers << index;
        const QList<QString> problems = QtConcurrent::blockingMapped(workers, [&](int index) -> QString {
            const QString name = QStringLiteral("thread %1").arg(index);
            const QString password = QStringLiteral("from thread %1").arg(index);
            const KeychainResult saved = keychain.save(password, name);
            if (!saved.succeeded())
                return saved.errorText;
            const KeychainResult read = keychain.read(name);
            if (read.password != password)
                return QStringLiteral("%1 read back %2").arg(name, read.password.value_or(QStringLiteral("nothing")));
            return keychain.remove(name).succeeded() ? QString() : QStringLiteral("%1 not removed").arg(name);
        });
        for (const QString& problem : problems)
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void aSilentKeychainTimesOutAndKeepsTheOrder()
    {
        REQUIRE_KEYCHAIN();
        QVERIFY(daemonPid_ > 0);
        UserKeychain keychain(QStringLiteral("CorvelleTest"));
        UserKeychain impatient(QStringLiteral("CorvelleTest"), 500ms);
        const QString name = QStringLiteral("late");
        QVERIFY(keychain.save(QStringLiteral("before"), name).succeeded());

        // The secret service stops answering, as a hung or prompting keyring would.
        QCOMPARE(::kill(daemonPid_, SIGSTOP), 0);
        struct Resume {
            uint pid;
            ~Resume() { ::kill(pid, SIGCONT); }
        } resume {daemonPid_};

        KeychainResult result = impatient.save(QStringLiteral("first"), name);
        QCOMPARE(statusName(result.status), QStringLiteral("TimedOut"));
        QVERIFY(result.errorText.contains(name));
        int completions = 0;
        impatient.saveAsync(QStringLiteral("second"), name, this, [&](const KeychainResult& late) {
            ++completions;
            result = late;
        });
        QTRY_COMPARE_WITH_TIMEOUT(completions, 1, 20000);
        QCOMPARE(statusName(result.status), QStringLiteral("TimedOut"));

        ::kill(daemonPid_, SIGCONT);
        // Both saves still run, in their order, before this read.
        QCOMPARE(keychain.read(name).password, std::optional<QString>(QStringLiteral("second")));
        QTest::qWait(0);
        QCOMPARE(completions, 1);
        QVERIFY(keychain.remove(name).succeeded());
    }

    void anUnreachableKeychainFailsClearly()
    {
        QTemporaryDir nowhere;
        QVERIFY(nowhere.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=") + nowhere.filePath(QStringLiteral("no-bus")));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QString::fromLatin1(privateBusVariable));
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(unreachableProbe)});
        QVERIFY(probe.waitForStarted());
        const bool ended = probe.waitForFinished(120000);
        if (!ended)
            probe.kill();
        QVERIFY2(ended, "the keychain calls hung without a session bus");
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);

        const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        const QStringList calls = {"read", "save", "remove", "saveAsync"};
        for (int index = 0; index < lines.size(); ++index) {
            const QStringList fields = lines.at(index).split('|');
            QCOMPARE(fields.size(), 3);
            QCOMPARE(fields.at(0), calls.at(index));
            QCOMPARE(fields.at(1), QStringLiteral("Failed"));
            QVERIFY2(fields.at(2).contains(QStringLiteral("\"probe item\"")), qPrintable(fields.at(2)));
            QVERIFY2(fields.at(2).contains(QStringLiteral("CorvelleTestUnreachable")), qPrintable(fields.at(2)));
        }
    }

private:
    QTemporaryDir home_;
    bool available_ = false;
    QByteArray skipReason_;
    uint daemonPid_ = 0;
};

// Runs the tests inside a D-Bus session of their own, so that the keyring they start and fill
// is never the user's.
int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], unreachableProbe) == 0)
        return runUnreachableProbe(argc, argv);
    if (!qEnvironmentVariableIsSet(privateBusVariable)) {
        // The session bus keeps its sockets there.
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (!runtime.isEmpty() && QDir().mkpath(runtime))
            QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
        if (!tool.isEmpty()) {
            qputenv(privateBusVariable, "1");
            const QByteArray toolPath = QFile::encodeName(tool);
            std::vector<char*> arguments {const_cast<char*>(toolPath.constData()), const_cast<char*>("--")};
            for (int index = 0; index < argc; ++index)
                arguments.push_back(argv[index]);
            arguments.push_back(nullptr);
            ::execv(toolPath.constData(), arguments.data());
            qunsetenv(privateBusVariable); // could not start it: run without
        }
    }
    QCoreApplication app(argc, argv);
    UserKeychainTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "UserKeychainTest.moc"
