#include "engine/ostrak/ExifToolPool.h"

#include "ExifToolTestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

using namespace ostrak;
using namespace std::chrono_literals;

class ExifToolPoolTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        jpeg_ = test::makeJpeg(QDir(dir_.path()), QStringLiteral("image.jpg"));
    }

    // Prestarting brings up every process at once, and they serve the requests that follow.
    void prestartStartsEveryProcess()
    {
        ExifToolPool pool(3);
        pool.prestart();
        QCOMPARE(pool.processCount(), 3);
        QCOMPARE(pool.execute({{QStringLiteral("-ver")}, {}}).exitStatus, 0);
        QCOMPARE(pool.processCount(), 3);
    }

    // Processes start only when requests need them, and callers on many threads each get
    // their own answer.
    void startsLazilyAndServesManyThreads()
    {
        ExifToolPool pool(3);
        QCOMPARE(pool.processCount(), 0);
        QCOMPARE(pool.execute({{QStringLiteral("-ver")}, {}}).exitStatus, 0);
        QCOMPARE(pool.processCount(), 1);

        constexpr int callers = 12;
        QList<QByteArray> outputs(callers);
        std::vector<std::unique_ptr<QThread>> threads;
        for (int i = 0; i < callers; ++i) {
            threads.emplace_back(QThread::create([&pool, &outputs, i, jpeg = jpeg_] {
                const ExifToolResult result = pool.execute(
                    {{QStringLiteral("-echo"), QStringLiteral("caller %1").arg(i), QStringLiteral("-s3"),
                      QStringLiteral("-FileType")}, {jpeg}});
                outputs[i] = result.output;
            }));
            threads.back()->start();
        }
        for (auto& thread : threads)
            QVERIFY(thread->wait(60000));
        for (int i = 0; i < callers; ++i)
            QCOMPARE(outputs[i], QStringLiteral("caller %1\nJPEG\n").arg(i).toUtf8());
        QVERIFY(pool.processCount() <= 3);
    }

    // A short request goes to an idle process instead of waiting behind a long one; shutting
    // down cancels what still runs after the grace time and what still waits.
    void shortRequestPassesLongOne()
    {
        ExifToolPool pool(2);
        QFuture<ExifToolResult> slow = pool.submit({{QStringLiteral("-if"), QStringLiteral("sleep 60; 1")}, {jpeg_}, 120s});
        const ExifToolResult quick = pool.execute({{QStringLiteral("-s3"), QStringLiteral("-FileType")}, {jpeg_}});
        QCOMPARE(quick.output, QByteArray("JPEG\n"));
        QVERIFY(!slow.isFinished());

        QFuture<ExifToolResult> second = pool.submit({{QStringLiteral("-if"), QStringLiteral("sleep 60; 1")}, {jpeg_}, 120s});
        QFuture<ExifToolResult> queued = pool.submit({{QStringLiteral("-ver")}, {}});
        pool.shutdown(200ms);
        QCOMPARE(slow.result().state, ExifToolResult::State::Cancelled);
        QCOMPARE(second.result().state, ExifToolResult::State::Cancelled);
        QCOMPARE(queued.result().state, ExifToolResult::State::Cancelled);
        QCOMPARE(queued.result().error.key(), QStringLiteral("ExifToolCancelledError"));
        QCOMPARE(pool.processCount(), 0);

        // Shut down is not broken: the next request starts a process again.
        QCOMPARE(pool.execute({{QStringLiteral("-ver")}, {}}).exitStatus, 0);
    }

    void missingExecutableGivesClearErrors()
    {
        ExifToolPool pool(2);
        pool.setExecutable(QStringLiteral("corvelle-no-such-exiftool"));
        for (int i = 0; i < 3; ++i) {
            const ExifToolResult result = pool.execute({{QStringLiteral("-ver")}, {}});
            QCOMPARE(result.state, ExifToolResult::State::FailedToStart);
            QVERIFY(result.errorText().contains(QStringLiteral("corvelle-no-such-exiftool")));
        }
        QVERIFY(pool.version().isEmpty());

        pool.setExecutable(QStringLiteral("exiftool"));
        QCOMPARE(pool.version(), QStringLiteral("12.57"));
    }

private:
    QTemporaryDir dir_;
    QString jpeg_;
};

QTEST_GUILESS_MAIN(ExifToolPoolTest)
#include "ExifToolPoolTest.moc"
