#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/TagDatabase.h"

#include <QtTest>

using ostrak::ETSettings;
using ostrak::TagDatabase;

class ETSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithTheApplicationsLevels()
    {
        const ETSettings& settings = ETSettings::shared();
        QCOMPARE(settings.quickTimeKeysLevel(), 2);
        QCOMPARE(settings.quickTimeItemListLevel(), 0);
        QCOMPARE(settings.quickTimeUserDataLevel(), 1);
        QVERIFY(settings.backupFolder().isEmpty());
        ETSettings::shared().setBackupFolder(QStringLiteral("/tmp/corvelle-backup"));
        QCOMPARE(ETSettings::shared().backupFolder(), QStringLiteral("/tmp/corvelle-backup"));
    }

    void quickTimeGroupsFollowTheLevels_data()
    {
        QTest::addColumn<int>("keys");
        QTest::addColumn<int>("itemList");
        QTest::addColumn<int>("userData");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QStringList>("groups");

        QTest::newRow("defaults: keys, then user data") << 2 << 0 << 1 << "Title" << QStringList{"Keys", "UserData"};
        QTest::newRow("item list preferred") << 0 << 3 << 1 << "Title" << QStringList{"ItemList", "UserData"};
        QTest::newRow("all preferred") << 1 << 3 << 2 << "Title" << QStringList{"ItemList", "UserData", "Keys"};
        QTest::newRow("ties keep ExifTool's order") << 1 << 1 << 1 << "Artist" << QStringList{"ItemList", "UserData", "Keys"};
        QTest::newRow("only a level-0 block has it") << 2 << 0 << 1 << "CoverArt" << QStringList{"ItemList"};
        QTest::newRow("only keys has it") << 0 << 2 << 1 << "DisplayName" << QStringList{"Keys"};
        QTest::newRow("none preferred: every block") << 0 << 0 << 0 << "Title" << QStringList{"ItemList", "UserData", "Keys"};
        QTest::newRow("read-only there") << 2 << 2 << 2 << "ChapterList" << QStringList();
        QTest::newRow("unknown tag") << 2 << 0 << 1 << "NoSuchTag" << QStringList();
    }

    void quickTimeGroupsFollowTheLevels()
    {
        QFETCH(int, keys);
        QFETCH(int, itemList);
        QFETCH(int, userData);
        QFETCH(QString, tag);
        QFETCH(QStringList, groups);
        ETSettings settings;
        settings.setQuickTimeKeysLevel(keys);
        settings.setQuickTimeItemListLevel(itemList);
        settings.setQuickTimeUserDataLevel(userData);
        QCOMPARE(settings.quickTimeGroupsToWrite(tag, TagDatabase::shared()), groups);
    }
};

QTEST_GUILESS_MAIN(ETSettingsTest)
#include "ETSettingsTest.moc"
