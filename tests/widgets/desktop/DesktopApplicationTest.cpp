#include "widgets/desktop/DesktopApplication.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;

class DesktopApplicationTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QUrl entry(const QByteArray& exec, const QByteArray& extra = {})
    {
        const QString path = dir_.filePath(QStringLiteral("entry.desktop"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the entry");
        file.write("# comment\n[Desktop Entry]\nType=Application\nName=Renamer\nIcon=renamer\nExec=" + exec + "\n" + extra
                   + "[Desktop Action New]\nExec=other %F\n");
        return QUrl::fromLocalFile(path);
    }

private Q_SLOTS:
    void splitsExec_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("plain") << "app  --flag %F" << QStringList{"app", "--flag", "%F"};
        QTest::newRow("quoted space") << "\"/opt/my app/run\" %U" << QStringList{"/opt/my app/run", "%U"};
        QTest::newRow("quoted escapes") << "app \"a\\\"b\\\\c\\$d\\`e\"" << QStringList{"app", "a\"b\\c$d`e"};
        QTest::newRow("empty quoted argument") << "app \"\" x" << QStringList{"app", "", "x"};
        QTest::newRow("unclosed quote") << "app \"open" << QStringList();
        QTest::newRow("nothing") << "   " << QStringList();
    }

    void splitsExec()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, arguments);
        const std::optional<QStringList> split = DesktopApplication::splitExec(exec);
        QCOMPARE(split.value_or(QStringList()), arguments);
        QCOMPARE(split.has_value(), !arguments.isEmpty());
    }

    // Field codes expand without a shell: a file name is one argument whatever it holds.
    void commandLines_data()
    {
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QList<QStringList>>("commands");
        const QString a = QStringLiteral("/tmp/a b;$(rm).jpg");
        const QString b = QStringLiteral("/tmp/é.mov");
        const QString aUrl = QUrl::fromLocalFile(a).toString(QUrl::FullyEncoded);
        QTest::newRow("all files") << QByteArray("run %F") << QList<QStringList>{{"run", a, b}};
        QTest::newRow("all urls") << QByteArray("run %U") << QList<QStringList>{{"run", aUrl, QUrl::fromLocalFile(b).toString(QUrl::FullyEncoded)}};
        QTest::newRow("one file a launch") << QByteArray("run --in=%f") << QList<QStringList>{{"run", "--in=" + a}, {"run", "--in=" + b}};
        QTest::newRow("icon, name, percent") << QByteArray("run %i %c 100%% %F")
                                             << QList<QStringList>{{"run", "--icon", "renamer", "Renamer", "100%", a, b}};
        QTest::newRow("deprecated codes dropped") << QByteArray("run %d %F") << QList<QStringList>{{"run", a, b}};
        QTest::newRow("no file code") << QByteArray("run") << QList<QStringList>{{"run", a, b}};
        QTest::newRow("escaped space in value") << QByteArray("run\\s--x %F") << QList<QStringList>{{"run", "--x", a, b}};
    }

    void commandLines()
    {
        QFETCH(QByteArray, exec);
        QFETCH(QList<QStringList>, commands);
        const QList<QUrl> files{QUrl::fromLocalFile(QStringLiteral("/tmp/a b;$(rm).jpg")),
                                QUrl::fromLocalFile(QStringLiteral("/tmp/é.mov"))};
        QString error;
        const auto made = DesktopApplication::commandLines(entry(exec), files, &error);
        QVERIFY2(made, qPrintable(error));
        QCOMPARE(*made, commands);
    }

    void refusesBrokenEntries_data()
    {
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QByteArray>("extra");
        QTest::newRow("no command") << QByteArray() << QByteArray();
        QTest::newRow("unclosed quote") << QByteArray("\"run %F") << QByteArray();
        QTest::newRow("hidden") << QByteArray("run %F") << QByteArray("Hidden=true\n");
    }

    void refusesBrokenEntries()
    {
        QFETCH(QByteArray, exec);
        QFETCH(QByteArray, extra);
        const QUrl url = entry(exec, extra);
        QString error;
        QVERIFY(!DesktopApplication::commandLines(url, {QUrl::fromLocalFile("/tmp/x.jpg")}, &error));
        QVERIFY(error.contains(url.toLocalFile()));

        QObject context;
        std::optional<QString> answer = QStringLiteral("not called");
        bool called = false;
        DesktopApplication::openFiles({}, url, &context, [&](const std::optional<QString>& e) {
            answer = e;
            called = true;
        });
        QVERIFY(!called);
        QTRY_VERIFY(called);
        QVERIFY(answer.has_value());
    }

    void missingEntryIsReported()
    {
        QString error;
        const QString path = dir_.filePath(QStringLiteral("none.desktop"));
        QVERIFY(!DesktopApplication::commandLines(QUrl::fromLocalFile(path), {}, &error));
        QVERIFY(error.contains(path));
    }
};

QTEST_MAIN(DesktopApplicationTest)
#include "DesktopApplicationTest.moc"
