#include "platform/brisa/core/NotificationCenter.h"

#include <QtConcurrent>
#include <QtTest>

using brisa::Notification;
using brisa::NotificationCenter;

class NotificationCenterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void postOnMainThreadIsSynchronous()
    {
        NotificationCenter center;
        int sender = 0, other = 0;
        QStringList seen;
        center.addObserver("A", nullptr, [&](const Notification& n) { seen << "any:" + n.name; });
        center.addObserver("A", &sender, [&](const Notification&) { seen << "sender"; });
        center.post("A", &other);
        QCOMPARE(seen, QStringList({"any:A"}));
        center.post("A", &sender, {{"k", 1}});
        QCOMPARE(seen, QStringList({"any:A", "any:A", "sender"}));
        center.post("B");
        QCOMPARE(seen.size(), 3);
    }

    void removalDuringDeliveryStopsLaterObservers()
    {
        NotificationCenter center;
        int calls = 0;
        NotificationCenter::Token second = 0;
        center.addObserver("A", nullptr, [&](const Notification&) {
            ++calls;
            center.removeObserver(second);
        });
        second = center.addObserver("A", nullptr, [&](const Notification&) { ++calls; });
        center.post("A");
        QCOMPARE(calls, 1);
        QCOMPARE(center.observerCount(), 1);
    }

    void postFromWorkerThreadArrivesOnMainThread()
    {
        NotificationCenter center;
        QThread* deliveredOn = nullptr;
        QVariantMap info;
        center.addObserver("W", nullptr, [&](const Notification& n) {
            deliveredOn = QThread::currentThread();
            info = n.userInfo;
        });
        QtConcurrent::run([&] { center.post("W", nullptr, {{"n", 7}}); }).waitForFinished();
        QVERIFY(deliveredOn == nullptr);
        QTRY_VERIFY(deliveredOn != nullptr);
        QCOMPARE(deliveredOn, QCoreApplication::instance()->thread());
        QCOMPARE(info.value("n").toInt(), 7);
    }
};

QTEST_GUILESS_MAIN(NotificationCenterTest)
#include "NotificationCenterTest.moc"
