#include "filemodel/FileIconProvider.h"
#include "filemodel/ThumbnailQueue.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <stdexcept>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using corvelle::FileIconProvider;
using corvelle::ThumbnailQueue;
using namespace std::chrono_literals;

namespace {

// Jobs that wait at a gate until the test opens it, counting how many run at once.
struct Gate {
    QSemaphore open;
    std::atomic<int> running = 0;
    std::atomic<int> mostRunning = 0;
    std::atomic<int> started = 0;

    int pass(int value)
    {
        ++started;
        const int now = ++running;
        int most = mostRunning;
        while (now > most && !mostRunning.compare_exchange_weak(most, now)) {
        }
        open.acquire();
        --running;
        return value;
    }
};

bool onMainThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

class ThumbnailQueueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Workers run below the main thread's priority, so that making pictures never takes a core
    // the window is waiting for; the main thread keeps its own.
    void workersGiveWayToTheMainThread()
    {
        const int mainNiceness = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
        ThumbnailQueue queue;
        QObject context;
        std::optional<int> workerNiceness;
        queue.add(&context, [] { return getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())); }, [] { return -100; },
                  [&](int niceness) { workerNiceness = niceness; });
        QTRY_VERIFY(workerNiceness.has_value());
        // A program started at the lowest priority already has nothing lower to give.
        QVERIFY2(*workerNiceness > mainNiceness || mainNiceness == 19,
                 qPrintable(QStringLiteral("%1 / %2").arg(*workerNiceness).arg(mainNiceness)));
        QCOMPARE(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())), mainNiceness);
    }

    void atMostEightRunAtOnceAndResultsArriveOnTheMainThread()
    {
        ThumbnailQueue queue;
        QCOMPARE(queue.maximumRunning(), 8);
        Gate gate;
        QList<int> results;
        bool allOnMain = true;
        QObject context;
        for (int i = 0; i < 20; ++i) {
            queue.add(&context, [&gate, i] { return gate.pass(i); }, [] { return -1; },
                      [&](int value) {
                          allOnMain = allOnMain && onMainThread();
                          results.append(value);
                      });
        }
        QTRY_COMPARE(gate.running.load(), 8);
        QCOMPARE(queue.runningCount(), 8);
        QCOMPARE(queue.pendingCount(), 12);
        // The ninth job does not start while eight wait at the gate.
        QCoreApplication::processEvents();
        QCOMPARE(gate.started.load(), 8);

        gate.open.release(20);
        QTRY_COMPARE(results.size(), 20);
        QCOMPARE(gate.mostRunning.load(), 8);
        QVERIFY(allOnMain);
        std::sort(results.begin(), results.end());
        for (int i = 0; i < 20; ++i)
            QCOMPARE(results.at(i), i);
    }

    void cancellingDropsPendingAndRunningJobs()
    {
        ThumbnailQueue queue(2);
        Gate gate;
        QList<int> results;
        QObject context;
        QList<ThumbnailQueue::Ticket> tickets;
        for (int i = 0; i < 5; ++i) {
            tickets << queue.add(&context, [&gate, i] { return gate.pass(i); }, [] { return -1; },
                                 [&](int value) { results.append(value); });
        }
        QTRY_COMPARE(gate.running.load(), 2);
        queue.cancel(tickets.at(0)); // running
        queue.cancel(tickets.at(3)); // waiting
        QCOMPARE(queue.pendingCount(), 2);

        gate.open.release(5);
        QTRY_COMPARE(results.size(), 3);
        std::sort(results.begin(), results.end());
        QCOMPARE(results, QList<int>({1, 2, 4}));
        QCOMPARE(gate.started.load(), 4);
    }

    void cancellingEverythingDeliversNothing()
    {
        ThumbnailQueue queue(2);
        Gate gate;
        int delivered = 0;
        QObject context;
        for (int i = 0; i < 6; ++i)
            queue.add(&context, [&gate, i] { return gate.pass(i); }, [] { return -1; }, [&](int) { ++delivered; });
        QTRY_COMPARE(gate.running.load(), 2);
        queue.cancelAll();
        QCOMPARE(queue.pendingCount(), 0);
        gate.open.release(6);
        QTRY_COMPARE(gate.running.load(), 0);
        // A job added afterwards still runs, and its result comes after any stray one would.
        bool later = false;
        queue.add(&context, [] { return 7; }, [] { return -1; }, [&](int) { later = true; });
        QTRY_VERIFY(later);
        QCOMPARE(delivered, 0);
        QCOMPARE(gate.started.load(), 2);
    }

    void resultsForADestroyedContextAreDropped()
    {
        ThumbnailQueue queue(1);
        Gate gate;
        bool delivered = false;
        auto* context = new QObject;
        queue.add(context, [&gate] { return gate.pass(1); }, [] { return -1; }, [&](int) { delivered = true; });
        QTRY_COMPARE(gate.running.load(), 1);
        delete context;
        gate.open.release();
        QTRY_COMPARE(gate.running.load(), 0);
        QObject other;
        bool later = false;
        queue.add(&other, [] { return 2; }, [] { return -1; }, [&](int) { later = true; });
        QTRY_VERIFY(later);
        QVERIFY(!delivered);
    }

    // Reading a pipe nobody writes to blocks for good: the caller gets the icon after the time
    // limit, the queue goes on with other work, and the late result is dropped.
    void aHangingJobGivesTheIconAfterTheTimeLimit()
    {
        QTemporaryDir dir;
        const QString fifo = QDir(dir.path()).filePath(QStringLiteral("hangs.mp4"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        ThumbnailQueue queue(1, 200ms);
        std::atomic<bool> returned = false;
        QList<QImage> images;
        bool fallbackOnMain = false;
        QObject context;
        queue.add(
            &context,
            [&] {
                QFile file(fifo);
                file.open(QIODevice::ReadOnly);
                file.readAll();
                returned = true;
                return QImage(8, 8, QImage::Format_RGB32);
            },
            [&] {
                fallbackOnMain = onMainThread();
                return FileIconProvider::icon(fifo, 32);
            },
            [&](QImage image) { images.append(image); });
        QTRY_COMPARE(images.size(), 1);
        QVERIFY(!images.first().isNull());
        QCOMPARE(images.first(), FileIconProvider::icon(fifo, 32));
        QVERIFY(fallbackOnMain);
        QCOMPARE(queue.runningCount(), 0);

        // The stuck job no longer holds the only place.
        bool next = false;
        queue.add(&context, [] { return QImage(); }, [] { return QImage(); }, [&](QImage) { next = true; });
        QTRY_VERIFY(next);

        // Let the stuck read end; its result must not arrive.
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        QVERIFY(writer >= 0);
        ::close(writer);
        QTRY_VERIFY(returned.load());
        QTest::qWait(100);
        QCOMPARE(images.size(), 1);
    }

    // With one place to run, the queue starts two threads at most. Both get stuck; the third job
    // cannot start and gets its fallback too.
    void whenEveryThreadIsStuckWaitingJobsGetTheirFallback()
    {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("hangs.mov")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);

        ThumbnailQueue queue(1, 100ms);
        std::atomic<int> started = 0;
        std::atomic<int> returned = 0;
        QList<int> results;
        QObject context;
        for (int i = 0; i < 3; ++i) {
            queue.add(
                &context,
                [&] {
                    ++started;
                    QFile file(QFile::decodeName(fifo));
                    file.open(QIODevice::ReadOnly);
                    ++returned;
                    return 1;
                },
                [] { return -1; }, [&](int value) { results.append(value); });
        }
        QTRY_COMPARE(results.size(), 3);
        QCOMPARE(results, QList<int>({-1, -1, -1}));
        QCOMPARE(started.load(), 2);
        QCOMPARE(queue.pendingCount(), 0);

        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        QVERIFY(writer >= 0);
        ::close(writer);
        QTRY_COMPARE(returned.load(), 2);
        // Threads are free again: new work runs.
        queue.add(&context, [] { return 5; }, [] { return -1; }, [&](int value) { results.append(value); });
        QTRY_COMPARE(results.size(), 4);
        QCOMPARE(results.last(), 5);
        QCOMPARE(started.load(), 2);
    }

    void aJobThatThrowsGivesTheFallback()
    {
        ThumbnailQueue queue;
        QObject context;
        std::optional<int> value;
        queue.add(&context, []() -> int { throw std::runtime_error("decoder failed"); }, [] { return -1; },
                  [&](int result) { value = result; });
        QTRY_VERIFY(value.has_value());
        QCOMPARE(*value, -1);
    }
};

QTEST_MAIN(ThumbnailQueueTest)
#include "ThumbnailQueueTest.moc"
