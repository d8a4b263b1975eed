#include "engine/halvex/kit/KitDebugger.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

using halvex::KitDebugger;

namespace {

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// "2024-05-01T12:00:00.123 text" -> "text", empty when the line carries no timestamp.
QString textOf(const QString& line)
{
    const QString stamp = line.section(' ', 0, 0);
    if (!QDateTime::fromString(stamp, Qt::ISODateWithMs).isValid())
        return {};
    return line.section(' ', 1);
}

} // namespace

class KitDebuggerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void appendsTimestampedLinesWhileOn()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.txt");
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier run\n");
        }
        KitDebugger debugger;
        debugger.log("before start");
        QVERIFY(debugger.start(path));
        QVERIFY(debugger.isEnabled());
        QCOMPARE(debugger.logFilePath(), path);
        debugger.log("first");
        debugger.log("two\nlines");
        debugger.stop();
        debugger.log("after stop");

        const QStringList lines = linesOf(path);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], "earlier run");
        QStringList texts;
        for (const auto& line : lines.mid(1))
            texts << textOf(line);
        QCOMPARE(texts, QStringList({"first", "two", "lines"}));
        QVERIFY(!debugger.isEnabled());
    }

    void keepsEveryLineWholeAcrossThreads()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("log.txt");
        KitDebugger debugger;
        QVERIFY(debugger.start(path));
        QList<QFuture<void>> writers;
        for (int thread = 0; thread < 4; ++thread) {
            writers << QtConcurrent::run([&debugger, thread] {
                for (int i = 0; i < 250; ++i)
                    debugger.log(QStringLiteral("thread %1 line %2 %3").arg(thread).arg(i).arg(QString(40, 'x')));
            });
        }
        for (auto& writer : writers)
            writer.waitForFinished();
        debugger.stop();

        const QStringList lines = linesOf(path);
        QCOMPARE(lines.size(), 1000);
        const QRegularExpression whole("^thread \\d line \\d+ x{40}$");
        for (const auto& line : lines)
            QVERIFY2(whole.match(textOf(line)).hasMatch(), qPrintable(line));
    }

    void reportsALogFileItCannotOpen_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("missing folder") << "missing/log.txt" << false;
        QTest::newRow("read-only folder") << "log.txt" << true;
        QTest::newRow("a folder, not a file") << "." << false;
    }

    void reportsALogFileItCannotOpen()
    {
        QFETCH(QString, relativePath);
        QFETCH(bool, readOnlyFolder);
        QTemporaryDir dir;
        if (readOnlyFolder)
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (readOnlyFolder && QFileInfo(dir.path()).isWritable())
            QSKIP("running with rights that ignore folder permissions");

        const QString path = QDir(dir.path()).filePath(relativePath);
        KitDebugger debugger;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot open the log file"));
        QVERIFY(!debugger.start(path));
        QVERIFY(!debugger.errorString().isEmpty());
        QVERIFY(debugger.isEnabled()); // still on, logging to the error output
        QVERIFY(debugger.logFilePath().isEmpty());
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(" still logged$"));
        debugger.log("still logged");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // A later start with a good file clears the report.
        QVERIFY(debugger.start(dir.filePath("good.txt")));
        QVERIFY(debugger.errorString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(KitDebuggerTest)
#include "KitDebuggerTest.moc"
