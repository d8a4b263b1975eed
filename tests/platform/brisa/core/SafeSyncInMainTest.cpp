#include "platform/brisa/core/SafeSyncInMain.h"

#include <QtConcurrent>
#include <QtTest>

#include <stdexcept>

using brisa::safeSyncInMain;

class SafeSyncInMainTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runsAtOnceOnTheMainThread()
    {
        int value = 0;
        safeSyncInMain([&] { value = 1; });
        QCOMPARE(value, 1);
        QCOMPARE(safeSyncInMain([] { return QThread::currentThread(); }), QThread::currentThread());
    }

    void workerWaitsForTheMainThreadsResult()
    {
        QThread* mainThread = QThread::currentThread();
        QThread* ranOn = nullptr;
        bool workerSawResult = false;
        QFuture<QString> worker = QtConcurrent::run([&] {
            const QString result = safeSyncInMain([&] {
                ranOn = QThread::currentThread();
                return QStringLiteral("from main");
            });
            // The block has run by the time the worker goes on.
            workerSawResult = ranOn == mainThread;
            return result;
        });
        QTRY_VERIFY(worker.isFinished());
        QCOMPARE(worker.result(), QString("from main"));
        QCOMPARE(ranOn, mainThread);
        QVERIFY(workerSawResult);
    }

    void exceptionReachesTheWorker()
    {
        QFuture<QString> worker = QtConcurrent::run([] {
            try {
                safeSyncInMain([]() -> void { throw std::runtime_error("refused"); });
                return QStringLiteral("no exception");
            } catch (const std::runtime_error& error) {
                return QString::fromUtf8(error.what());
            }
        });
        QTRY_VERIFY(worker.isFinished());
        QCOMPARE(worker.result(), QString("refused"));
    }
};

QTEST_GUILESS_MAIN(SafeSyncInMainTest)
#include "SafeSyncInMainTest.moc"
