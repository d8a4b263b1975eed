#include "platform/brisa/core/MultiNoteSubscriber.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QtTest>

#include <memory>

using namespace brisa;

class NoteSubscriberTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void subscriberFiltersBySenderAndStopsOnDestruction()
    {
        NotificationCenter center;
        int list = 0, otherList = 0;
        QStringList seen;
        {
            NoteSubscriber subscriber(center);
            subscriber.subscribe("Changed", &list, [&](const Notification& note) {
                seen << note.userInfo.value("what").toString();
            });
            QVERIFY(subscriber.isSubscribed());
            center.post("Changed", &otherList, {{"what", "other"}});
            center.post("Changed", &list, {{"what", "mine"}});
            center.post("Renamed", &list, {{"what", "renamed"}});
            QCOMPARE(seen, QStringList{"mine"});
        }
        center.post("Changed", &list, {{"what", "after"}});
        QCOMPARE(seen, QStringList{"mine"});
        QCOMPARE(center.observerCount(), 0);
    }

    void resubscribingReplacesAndUnsubscribeStops()
    {
        NotificationCenter center;
        QStringList seen;
        NoteSubscriber subscriber(center);
        subscriber.subscribe("A", nullptr, [&](const Notification&) { seen << "first"; });
        subscriber.subscribe("B", nullptr, [&](const Notification&) { seen << "second"; });
        QCOMPARE(subscriber.name(), QString("B"));
        center.post("A");
        center.post("B");
        QCOMPARE(seen, QStringList{"second"});
        QCOMPARE(center.observerCount(), 1);

        subscriber.unsubscribe();
        QVERIFY(!subscriber.isSubscribed());
        center.post("B");
        QCOMPARE(seen, QStringList{"second"});
        QCOMPARE(center.observerCount(), 0);
    }

    void subscriberDestroyedByItsOwnHandlerIsSafe()
    {
        NotificationCenter center;
        auto subscriber = std::make_unique<NoteSubscriber>(center);
        int calls = 0;
        subscriber->subscribe("A", nullptr, [&](const Notification&) {
            ++calls;
            subscriber.reset();
        });
        center.post("A");
        center.post("A");
        QCOMPARE(calls, 1);
    }

    void multiSubscriberObservesSeveralNames()
    {
        NotificationCenter center;
        int library = 0;
        QStringList seen;
        auto record = [&](const Notification& note) { seen << note.name; };
        {
            MultiNoteSubscriber subscriber(center);
            subscriber.subscribe({"Added", "Removed"}, &library, record);
            subscriber.add({"Renamed", "Added"}, &library, record);
            QCOMPARE(subscriber.names(), QStringList({"Removed", "Renamed", "Added"}));

            center.post("Added", &library);
            center.post("Removed", &library);
            center.post("Renamed", &library);
            center.post("Added", nullptr);
            QCOMPARE(seen, QStringList({"Added", "Removed", "Renamed"}));

            subscriber.subscribe({"Moved"}, &library, record);
            center.post("Added", &library);
            center.post("Moved", &library);
            QCOMPARE(seen, QStringList({"Added", "Removed", "Renamed", "Moved"}));
        }
        QCOMPARE(center.observerCount(), 0);
    }
};

QTEST_GUILESS_MAIN(NoteSubscriberTest)
#include "NoteSubscriberTest.moc"
