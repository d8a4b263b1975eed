#include "platform/brisa/core/FutureDelivery.h"

#include <QPromise>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

#include <atomic>
#include <memory>

// A background result reaches its context on the context's thread, and never once the context
// is gone.
class FutureDeliveryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resultReachesTheContextsThread()
    {
        QObject context;
        QThread* deliveredOn = nullptr;
        int delivered = -1;
        brisa::deliverWhenFinished(&context, QtConcurrent::run([] { return 42; }), [&](int value) {
            delivered = value;
            deliveredOn = QThread::currentThread();
        });
        QTRY_COMPARE(delivered, 42);
        QCOMPARE(deliveredOn, context.thread());
    }

    void nothingReachesAContextDeletedFirst()
    {
        std::atomic<bool> release = false;
        bool called = false;
        auto context = std::make_unique<QObject>();
        QFuture<int> future = QtConcurrent::run([&release] {
            while (!release)
                QThread::msleep(1);
            return 7;
        });
        brisa::deliverWhenFinished(context.get(), future, [&called](int) { called = true; });
        context.reset();
        release = true;
        future.waitForFinished();
        QTest::qWait(50);
        QVERIFY(!called);
    }

    void aCancelledFutureDeliversNothing()
    {
        QObject context;
        bool called = false;
        QPromise<int> promise;
        QFuture<int> future = promise.future();
        brisa::deliverWhenFinished(&context, future, [&called](int) { called = true; });
        promise.start();
        future.cancel();
        promise.finish();
        QTest::qWait(50);
        QVERIFY(!called);
    }
};

QTEST_MAIN(FutureDeliveryTest)
#include "FutureDeliveryTest.moc"
