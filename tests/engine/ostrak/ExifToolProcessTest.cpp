#include "engine/ostrak/ExifToolProcess.h"

#include "ExifToolTestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ostrak;
using namespace std::chrono_literals;

class ExifToolProcessTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        jpeg_ = test::makeJpeg(QDir(dir_.path()), QStringLiteral("image.jpg"));
    }

    // Each answer is cut at its own markers: the error output of one request never shows up
    // in the next, and the same process serves them all.
    void requestsInARowAreDelimited()
    {
        ExifToolProcess process;
        const ExifToolResult version = process.execute({{QStringLiteral("-ver")}, {}});
        QCOMPARE(version.state, ExifToolResult::State::Finished);
        QCOMPARE(version.exitStatus, 0);
        QVERIFY(QString::fromUtf8(version.output).contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\n$"))));
        QVERIFY(version.errorOutput.isEmpty());
        const qint64 pid = process.processId();
        QVERIFY(pid > 0);

        const QString missing = dir_.filePath(QStringLiteral("missing.jpg"));
        const ExifToolResult failed = process.execute({{QStringLiteral("-php")}, {missing}});
        QCOMPARE(failed.state, ExifToolResult::State::Finished);
        QCOMPARE(failed.exitStatus, 1);
        QVERIFY(failed.output.isEmpty());
        QCOMPARE(failed.errorText(), QStringLiteral("Error: File not found - ") + missing);

        const ExifToolResult read = process.execute({{QStringLiteral("-s3"), QStringLiteral("-FileType")}, {jpeg_}});
        QCOMPARE(read.exitStatus, 0);
        QCOMPARE(read.output, QByteArray("JPEG\n"));
        QVERIFY(read.errorOutput.isEmpty());
        QCOMPARE(process.processId(), pid);
    }

    // A request that hangs or kills ExifTool fails alone, with a clear reason; the process is
    // reaped (no zombie) and a fresh one answers the next request.
    void failedRequestIsReplaced_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("messageKey");
        // Only the hanging request gets a short limit: on a loaded machine the others may need
        // longer than a second to reach the point where they end the process.
        QTest::addColumn<int>("limitSeconds");
        QTest::newRow("hangs past its time limit") << QStringLiteral("sleep 60; 1")
            << int(ExifToolResult::State::TimedOut) << QStringLiteral("ExifToolTimedOutError") << 1;
        QTest::newRow("exits mid-request") << QStringLiteral("exit 3")
            << int(ExifToolResult::State::Crashed) << QStringLiteral("ExifToolExitedError") << 30;
        QTest::newRow("killed by a signal") << QStringLiteral("kill 9, $$$$")
            << int(ExifToolResult::State::Crashed) << QStringLiteral("ExifToolCrashedError") << 30;
    }

    void failedRequestIsReplaced()
    {
        QFETCH(QString, condition);
        QFETCH(int, state);
        QFETCH(QString, messageKey);
        QFETCH(int, limitSeconds);

        ExifToolProcess process;
        QCOMPARE(process.execute({{QStringLiteral("-ver")}, {}}).exitStatus, 0);
        const qint64 pid = process.processId();

        const ExifToolResult failed = process.execute({{QStringLiteral("-if"), condition}, {jpeg_}, std::chrono::seconds(limitSeconds)});
        QCOMPARE(int(failed.state), state);
        QCOMPARE(failed.error.key(), messageKey);
        QVERIFY(!failed.errorText().isEmpty());
        QVERIFY(!process.isRunning());
        QVERIFY(!test::processExists(pid));

        const ExifToolResult next = process.execute({{QStringLiteral("-s3"), QStringLiteral("-FileType")}, {jpeg_}});
        QCOMPARE(next.exitStatus, 0);
        QCOMPARE(next.output, QByteArray("JPEG\n"));
        QVERIFY(process.processId() != pid);
    }

    // Arguments that would end the command or the process early are refused before anything
    // is written, and the process goes on serving.
    void refusesProtocolWords_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("execute") << QStringList {QStringLiteral("-execute")} << QStringList();
        QTest::newRow("numbered execute, minus sign") << QStringList {QStringLiteral("\u2212EXECUTE12")} << QStringList();
        QTest::newRow("stay_open") << QStringList {QStringLiteral("-stay_open"), QStringLiteral("False")} << QStringList();
        QTest::newRow("empty file name") << QStringList() << QStringList {QString()};
        QTest::newRow("file name with newline and dollar") << QStringList() << QStringList {QStringLiteral("/tmp/a\n$b.jpg")};
    }

    void refusesProtocolWords()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        ExifToolProcess process;
        QCOMPARE(process.execute({{QStringLiteral("-ver")}, {}}).exitStatus, 0);
        const qint64 pid = process.processId();

        const ExifToolResult refused = process.execute({arguments, files});
        QCOMPARE(refused.state, ExifToolResult::State::InvalidRequest);
        QCOMPARE(refused.error.key(), QStringLiteral("ExifToolArgumentError"));

        const ExifToolResult next = process.execute({{QStringLiteral("-s3"), QStringLiteral("-FileType")}, {jpeg_}});
        QCOMPARE(next.output, QByteArray("JPEG\n"));
        QCOMPARE(process.processId(), pid);
    }

    void missingProgramFailsEveryRequest()
    {
        ExifToolProcess process(QStringLiteral("corvelle-no-such-exiftool"));
        for (int i = 0; i < 2; ++i) {
            const ExifToolResult result = process.execute({{QStringLiteral("-ver")}, {}});
            QCOMPARE(result.state, ExifToolResult::State::FailedToStart);
            QCOMPARE(result.error.key(), QStringLiteral("ExifToolNotStartedError"));
            QVERIFY(result.errorText().contains(QStringLiteral("corvelle-no-such-exiftool")));
            QVERIFY(!process.isRunning());
        }
    }

    void shutdownEndsTheProcess()
    {
        ExifToolProcess process;
        QCOMPARE(process.execute({{QStringLiteral("-ver")}, {}}).exitStatus, 0);
        const qint64 pid = process.processId();
        process.shutdown();
        QVERIFY(!process.isRunning());
        QVERIFY(!test::processExists(pid));
    }

    void abortedProcessRefusesWork()
    {
        ExifToolProcess process;
        process.abort();
        const ExifToolResult result = process.execute({{QStringLiteral("-ver")}, {}});
        QCOMPARE(result.state, ExifToolResult::State::Cancelled);
        QVERIFY(!process.isRunning());
    }

private:
    QTemporaryDir dir_;
    QString jpeg_;
};

QTEST_GUILESS_MAIN(ExifToolProcessTest)
#include "ExifToolProcessTest.moc"
