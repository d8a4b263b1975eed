#include "widgets/LocalizerString.h"
#include "widgets/TextLocalizer.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <sys/resource.h>

using corvelle::LocalizerString;
using corvelle::localizedString;
using corvelle::TextLocalizer;

namespace {

const char* const childSwitch = "--localizer-child";

// Runs in a child process: each case stops the program, which the parent observes.
int runChild(const QByteArray& which)
{
    if (which == "empty-key")
        localizedString(QString());
    else if (which == "five-arguments")
        localizedString(QStringLiteral("AboutGenericMenuItem"), {1, 2, 3, 4, 5});
    return 0;
}

} // namespace

class TextLocalizerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void formats_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("hasArguments");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("expected");

        const QString about = QStringLiteral("AboutGenericMenuItem");
        QTest::newRow("table text with its argument")
            << about << true << QVariantList{QStringLiteral("Corvelle")} << "About Corvelle";
        QTest::newRow("no argument list keeps the placeholder")
            << about << false << QVariantList{} << "About %1";
        QTest::newRow("empty argument list keeps the placeholder")
            << about << true << QVariantList{} << "About %1";
        QTest::newRow("missing key yields the key") << "NoSuchKey" << false << QVariantList{}
                                                    << "NoSuchKey";
        QTest::newRow("percent signs stay without arguments")
            << "100% of %1 done" << false << QVariantList{} << "100% of %1 done";
        QTest::newRow("missing key is the format with arguments")
            << "%1 of %2 files" << true << QVariantList{3, 7} << "3 of 7 files";
        QTest::newRow("four arguments in order")
            << "%1-%2-%3-%4" << true
            << QVariantList{QStringLiteral("a"), 2, 2.5, QStringLiteral("d")} << "a-2-2.5-d";
        QTest::newRow("placeholder inside an argument is not replaced again")
            << "%1 and %2" << true << QVariantList{QStringLiteral("x%2"), QStringLiteral("y")}
            << "x%2 and y";
        QTest::newRow("constant key")
            << LocalizerString::keywordStateYes().rawValue << false << QVariantList{} << "Yes";
    }

    void formats()
    {
        QFETCH(QString, key);
        QFETCH(bool, hasArguments);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, expected);
        const QString text = hasArguments ? TextLocalizer::localizedString(key, arguments)
                                          : TextLocalizer::localizedString(key);
        QCOMPARE(text, expected);
    }

    void installsTableForQtTrId()
    {
        localizedString(QStringLiteral("KeywordStateNo"));
        QCOMPARE(qtTrId("MediaKindShow"), QStringLiteral("TV Show"));
    }

    void numbersFollowTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(localizedString(QStringLiteral("%1 files, %2 MB"), {1234567, 2.5}),
                 QStringLiteral("1.234.567 files, 2,5 MB"));
    }

    void localizerStringValue()
    {
        QCOMPARE(LocalizerString::keywordStateNo().rawValue, QStringLiteral("KeywordStateNo"));
        QCOMPARE(LocalizerString::mediaKindMovie().rawValue, QStringLiteral("MediaKindMovie"));
        QCOMPARE(LocalizerString::mediaKindShow().rawValue, QStringLiteral("MediaKindShow"));
        QVERIFY(LocalizerString{QStringLiteral("KeywordStateYes")}
                == LocalizerString::keywordStateYes());
        QVERIFY(LocalizerString::mediaKindMovie() != LocalizerString::mediaKindShow());
        const QSet<LocalizerString> set{LocalizerString::keywordStateYes(),
                                        LocalizerString{QStringLiteral("KeywordStateYes")},
                                        LocalizerString::keywordStateNo()};
        QCOMPARE(set.size(), 2);
    }

    void programmingErrorsStop_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty key") << "empty-key" << "No localized string has been set.";
        QTest::newRow("five arguments")
            << "five-arguments" << "TextLocalizer requires less than 4 arguments.";
    }

    void programmingErrorsStop()
    {
        QFETCH(QString, which);
        QFETCH(QString, message);
        QProcess child;
        child.setChildProcessModifier([] {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
        });
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(childSwitch), which});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
        QVERIFY2(errors.contains(message), qPrintable(errors));
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], childSwitch) == 0)
        return runChild(argv[2]);
    TextLocalizerTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TextLocalizerTest.moc"
