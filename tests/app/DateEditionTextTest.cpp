#include "engine/halvex/dates/DateEdition.h"
#include "widgets/TextLocalizer.h"

#include <QtTest>

using halvex::DateEdition;
using halvex::DateValues;

Q_DECLARE_METATYPE(DateEdition)

// The engine names its date edition texts by key; the application's table has each of them.
class DateEditionTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsEditionsInEnglish_data()
    {
        QTest::addColumn<DateEdition>("edition");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description");
        QTest::newRow("select") << DateEdition::select(DateValues(4, 7, 2021, 13, 5, 9)) << "Set Date"
                                << "Set to 2021:07:04 13:05:09";
        QTest::newRow("update") << DateEdition::update(DateValues(std::nullopt, 3, std::nullopt))
                                << "Change Components" << "Change to --:03:-- --:--:--";
        QTest::newRow("shift") << DateEdition::shift(DateValues(-1, std::nullopt, std::nullopt, 2))
                               << "Shift Components"
                               << "Shift by 0:0:-1 +2:0:0 (years:months:days hours:minutes:seconds)";
        QTest::newRow("restore") << DateEdition::restore() << "Restore Date" << "Restore the original date";
        QTest::newRow("remove") << DateEdition::remove() << "Remove Date" << "Remove the date";
    }

    void showsEditionsInEnglish()
    {
        QFETCH(DateEdition, edition);
        QFETCH(QString, title);
        QFETCH(QString, description);
        QCOMPARE(corvelle::localizedString(edition.titleKey()), title);
        const halvex::LocalizedText text = edition.localizedDescription();
        QCOMPARE(corvelle::localizedString(text.key, text.arguments), description);
    }
};

QTEST_GUILESS_MAIN(DateEditionTextTest)
#include "DateEditionTextTest.moc"
