#include "app/preferences/ServicesPreferencesViewController.h"

#include "engine/cobbin/MetadataServiceConfiguration.h"
#include "mediainfo/MetadataServiceKeys.h"
#include "platform/brisa/ui/UserKeychain.h"
#include "support/ui/PrivateSessionBus.h"
#include "support/ui/WidgetDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using corvelle::MetadataServiceKeys;
using corvelle::ServicesPreferencesViewController;
using corvelle::test::PrivateSessionBus;
using corvelle::test::WidgetDriver;
using Key = MetadataServiceKeys::Key;

namespace {

std::optional<QString> kept(Key key)
{
    return brisa::UserKeychain::standard().read(MetadataServiceKeys::keychainName(key)).password;
}

} // namespace

// The keys of the online databases: kept in the keychain from the Services pane, and what the
// services then send.
class ServicesPreferencesViewControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        keychainProblem_ = PrivateSessionBus::startKeyring(home_.path());
    }

    void init()
    {
        if (!keychainProblem_.isEmpty())
            QSKIP(qPrintable(keychainProblem_));
        for (Key key : MetadataServiceKeys::allKeys) {
            qunsetenv(MetadataServiceKeys::environmentName(key).toLatin1().constData());
            brisa::UserKeychain::standard().remove(MetadataServiceKeys::keychainName(key));
            MetadataServiceKeys::setStoredKey(key, QString());
        }
    }

    void cleanup()
    {
        pane_.reset();
        for (Key key : MetadataServiceKeys::allKeys)
            qunsetenv(MetadataServiceKeys::environmentName(key).toLatin1().constData());
    }

    void keptKeysShowAndReachTheServices()
    {
        QVERIFY(brisa::UserKeychain::standard().save(QStringLiteral("tvdb-kept"), MetadataServiceKeys::keychainName(Key::theTVDBKey))
                        .succeeded());
        loadPane();
        QTRY_COMPARE(field("theTVDBKeyField")->text(), QStringLiteral("tvdb-kept"));
        QCOMPARE(field("theMovieDBKeyField")->text(), QString());
        QCOMPARE(cobbin::MetadataServiceConfiguration::current().theTVDBKey, QStringLiteral("tvdb-kept"));
        // Secrets are not shown over the user's shoulder.
        QCOMPARE(field("theTVDBKeyField")->echoMode(), QLineEdit::PasswordEchoOnEdit);

        // Typed and applied: kept trimmed, and sent from the next request on.
        apply("theMovieDBKeyField", QStringLiteral("  tmdb-typed \t"));
        apply("theTVDBPinField", QStringLiteral("4321"));
        QTRY_COMPARE(kept(Key::theMovieDBKey), std::optional<QString>(QStringLiteral("tmdb-typed")));
        QTRY_COMPARE(kept(Key::theTVDBPin), std::optional<QString>(QStringLiteral("4321")));
        QTRY_COMPARE(cobbin::MetadataServiceConfiguration::current().theMovieDBKey, QStringLiteral("tmdb-typed"));
        QCOMPARE(cobbin::MetadataServiceConfiguration::current().theTVDBPin, QStringLiteral("4321"));

        // An emptied field removes its key, from the keychain and from the services.
        apply("theTVDBKeyField", QString());
        QTRY_VERIFY(!kept(Key::theTVDBKey));
        QTRY_COMPARE(cobbin::MetadataServiceConfiguration::current().theTVDBKey, QString());
        QCOMPARE(kept(Key::theMovieDBKey), std::optional<QString>(QStringLiteral("tmdb-typed")));
    }

    void leavingAnUntouchedFieldRemovesNothing()
    {
        QVERIFY(brisa::UserKeychain::standard().save(QStringLiteral("kept"), MetadataServiceKeys::keychainName(Key::theMovieDBKey))
                        .succeeded());
        loadPane();
        QTRY_COMPARE(field("theMovieDBKeyField")->text(), QStringLiteral("kept"));
        field("theMovieDBKeyField")->setFocus();
        QTest::keyClick(field("theMovieDBKeyField"), Qt::Key_Tab);
        QTest::qWait(300);
        QCOMPARE(kept(Key::theMovieDBKey), std::optional<QString>(QStringLiteral("kept")));
    }

    void theEnvironmentWinsAndIsNamed()
    {
        QLabel* note = nullptr;
        loadPane();
        note = WidgetDriver::child<QLabel>(pane_->view(), QStringLiteral("environmentNote"));
        QVERIFY(note->isHidden());
        pane_.reset();

        qputenv("CORVELLE_TVDB_API_KEY", "from-environment");
        loadPane();
        apply("theTVDBKeyField", QStringLiteral("from-pane"));
        QTRY_COMPARE(kept(Key::theTVDBKey), std::optional<QString>(QStringLiteral("from-pane")));
        QCOMPARE(cobbin::MetadataServiceConfiguration::current().theTVDBKey, QStringLiteral("from-environment"));
        note = WidgetDriver::child<QLabel>(pane_->view(), QStringLiteral("environmentNote"));
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains(QStringLiteral("CORVELLE_TVDB_API_KEY")));
        QVERIFY(!note->text().contains(QStringLiteral("CORVELLE_TMDB_API_KEY")));
    }

private:
    void loadPane()
    {
        pane_ = std::make_unique<ServicesPreferencesViewController>();
        pane_->view()->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane_->view()));
    }

    QLineEdit* field(const char* name) const
    {
        return WidgetDriver::child<QLineEdit>(pane_->view(), QString::fromLatin1(name));
    }

    void apply(const char* name, const QString& text)
    {
        QLineEdit* line = field(name);
        line->setFocus();
        line->selectAll();
        if (text.isEmpty())
            QTest::keyClick(line, Qt::Key_Backspace);
        else
            QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
    }

    QTemporaryDir home_;
    QString keychainProblem_;
    std::unique_ptr<ServicesPreferencesViewController> pane_;
};

// The keyring filled here stays in a session of its own.
CORVELLE_TEST_MAIN_WITH_PRIVATE_BUS(ServicesPreferencesViewControllerTest)

#include "ServicesPreferencesViewControllerTest.moc"
