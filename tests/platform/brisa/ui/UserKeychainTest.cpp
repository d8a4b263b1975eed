#include "platform/brisa/ui/UserKeychain.h"

#include "support/ui/PrivateSessionBus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

#include <csignal>

using brisa::KeychainResult;
using brisa::UserKeychain;
using corvelle::test::PrivateSessionBus;
using namespace std::chrono_literals;

namespace {

// Set in the copy of this program that runs without a reachable session bus.
const char* const unreachableKeychainVariable = "CORVELLE_TEST_UNREACHABLE_KEYCHAIN";
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
        // The copy without a bus runs only anUnreachableKeychainFailsClearly().
        if (qEnvironmentVariableIsSet(unreachableKeychainVariable)) {
            skipReason_ = "this copy of the tests has no session bus";
            return;
        }
        QVERIFY(home_.isValid());
        bool broken = false;
        const QString problem = PrivateSessionBus::startKeyring(home_.path(), &broken);
        QVERIFY2(!broken, qPrintable(problem));
        if (!problem.isEmpty()) {
            skipReason_ = problem.toUtf8();
            return;
        }
        daemonPid_ = QDBusConnection::sessionBus().interface()->servicePid(secretService);
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

    // Without a session bus every call fails at once, naming the item and the service; checked in
    // a copy of this program that cannot reach one.
    void anUnreachableKeychainFailsClearly()
    {
        if (qEnvironmentVariableIsSet(unreachableKeychainVariable)) {
            UserKeychain keychain(QStringLiteral("CorvelleTestUnreachable"), 20s);
            const auto verifyFailed = [](const QString& call, const KeychainResult& result) {
                const QString said = call + QStringLiteral(": ") + statusName(result.status) + QStringLiteral(", ")
                                     + result.errorText;
                QVERIFY2(result.status == KeychainResult::Status::Failed, qPrintable(said));
                QVERIFY2(result.errorText.contains(QStringLiteral("\"probe item\"")), qPrintable(said));
                QVERIFY2(result.errorText.contains(QStringLiteral("CorvelleTestUnreachable")), qPrintable(said));
            };
            verifyFailed(QStringLiteral("read"), keychain.read(QStringLiteral("probe item")));
            verifyFailed(QStringLiteral("save"), keychain.save(QStringLiteral("secret"), QStringLiteral("probe item")));
            verifyFailed(QStringLiteral("remove"), keychain.remove(QStringLiteral("probe item")));
            int completions = 0;
            keychain.saveAsync(QStringLiteral("secret"), QStringLiteral("probe item"), this,
                               [&](const KeychainResult& result) {
                                   ++completions;
                                   verifyFailed(QStringLiteral("saveAsync"), result);
                               });
            QTRY_COMPARE_WITH_TIMEOUT(completions, 1, 60000);
            return;
        }
        const QString failure = PrivateSessionBus::runTestWithoutBus(QTest::currentTestFunction(),
                                                                     unreachableKeychainVariable);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

private:
    QTemporaryDir home_;
    bool available_ = false;
    QByteArray skipReason_;
    uint daemonPid_ = 0;
};

// The keyring started and filled here stays in a D-Bus session of its own, never the user's.
CORVELLE_TEST_MAIN_WITH_PRIVATE_BUS(UserKeychainTest)

#include "UserKeychainTest.moc"
