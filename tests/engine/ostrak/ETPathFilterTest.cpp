#include "engine/ostrak/ETPathFilter.h"

#include <QtTest>

using ostrak::ETPathFilter;

class ETPathFilterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void patternsSelectFiles_data()
    {
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("taken");

        QTest::newRow("no pattern takes all") << QStringList() << "a/b.mov" << true;
        QTest::newRow("extension") << QStringList{"*.mov"} << "2024/clip.mov" << true;
        QTest::newRow("extension, other case") << QStringList{"*.mov"} << "CLIP.MOV" << true;
        QTest::newRow("other extension") << QStringList{"*.mov"} << "clip.mp4" << false;
        QTest::newRow("any of several") << QStringList{"*.mov", "*.mp4"} << "clip.mp4" << true;
        QTest::newRow("one character") << QStringList{"clip?.mp4"} << "clip7.mp4" << true;
        QTest::newRow("folder pattern") << QStringList{"2024/*"} << "2024/clip.mov" << true;
        QTest::newRow("folder pattern, deeper file") << QStringList{"2024/*"} << "2024/june/clip.mov" << false;
        QTest::newRow("folder pattern, other folder") << QStringList{"2024/*"} << "2023/clip.mov" << false;
        QTest::newRow("blank patterns only") << QStringList{" "} << "clip.mov" << false;
    }

    void patternsSelectFiles()
    {
        QFETCH(QStringList, patterns);
        QFETCH(QString, path);
        QFETCH(bool, taken);
        QCOMPARE(ETPathFilter(patterns).matches(path), taken);
    }

    void equalWhenTheListsAre()
    {
        QVERIFY(ETPathFilter({"*.mov"}) == ETPathFilter({"*.mov"}));
        QVERIFY(ETPathFilter({"*.mov", "*.mp4"}) != ETPathFilter({"*.mp4", "*.mov"}));
        QVERIFY(ETPathFilter() == ETPathFilter(QStringList()));
    }
};

QTEST_GUILESS_MAIN(ETPathFilterTest)
#include "ETPathFilterTest.moc"
