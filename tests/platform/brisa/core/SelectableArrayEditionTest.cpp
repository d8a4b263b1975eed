#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/SelectableArrayEdition.h"

#include <QtTest>

using namespace brisa;

class SelectableArrayEditionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyKindTravelsThroughANotification_data()
    {
        QTest::addColumn<SelectableArrayEdition>("edition");
        QTest::newRow("insertion") << SelectableArrayEdition::insertion(3, 2);
        QTest::newRow("replacement") << SelectableArrayEdition::replacement(4);
        QTest::newRow("removal") << SelectableArrayEdition::removal({1, 5});
        QTest::newRow("move") << SelectableArrayEdition::move({0, 2}, 4);
        QTest::newRow("selection") << SelectableArrayEdition::selection({0});
        QTest::newRow("reload") << SelectableArrayEdition::reload({});
    }

    void everyKindTravelsThroughANotification()
    {
        QFETCH(SelectableArrayEdition, edition);
        NotificationCenter center;
        std::optional<SelectableArrayEdition> received;
        NoteSubscriber subscriber(center);
        subscriber.subscribe("ListChanged", nullptr,
                             [&](const Notification& note) { received = SelectableArrayEdition::from(note); });
        center.post("ListChanged", this, edition.userInfo());
        QVERIFY(received.has_value());
        QVERIFY(*received == edition);
    }

    void editionsDifferByKindAndPayload()
    {
        using E = SelectableArrayEdition;
        QCOMPARE(E::insertion(2, 1).kind(), E::Kind::Insertion);
        QCOMPARE(E::insertion(2, 1).count(), 2);
        QCOMPARE(E::insertion(2, 1).index(), 1);
        QCOMPARE(E::move({1, 3}, 0).destination(), 0);
        QCOMPARE(E::move({1, 3}, 0).indexes(), IndexSet({1, 3}));
        QVERIFY(!(E::insertion(2, 1) == E::insertion(1, 2)));
        QVERIFY(!(E::selection({1}) == E::reload({1})));
        QVERIFY(!(E::removal({1}) == E::removal({1, 2})));
        QVERIFY(E() == E::reload({}));
    }

    void missingOrForeignUserInfoGivesNone()
    {
        QVERIFY(!SelectableArrayEdition::from(Notification{"ListChanged", nullptr, {}}));
        const QVariantMap foreign{{SelectableArrayEdition::editionKey, QStringLiteral("insertion")}};
        QVERIFY(!SelectableArrayEdition::from(foreign));
    }
};

QTEST_GUILESS_MAIN(SelectableArrayEditionTest)
#include "SelectableArrayEditionTest.moc"
