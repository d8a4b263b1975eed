#include "EditingTestSupport.h"
#include "editing/TagNumberFormatter.h"
#include "editing/ValueDisplayTexts.h"
#include "engine/ostrak/ValueConverter.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/settings/GeneralSettings.h"

#include <QTest>

#include <ctime>

using namespace corvelle;
using corvelle::test::tagItem;

class ValueDisplayTextsTest : public QObject {
    Q_OBJECT

private:
    static void setStyles(DateStyleGeneralUserChoice date, TimeStyleGeneralUserChoice time)
    {
        brisa::UserDefaults::standard().set(Settings::generalUserChoiceDateStyle(), date);
        brisa::UserDefaults::standard().set(Settings::generalUserChoiceTimeStyle(), time);
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void cleanup() { setStyles(DateStyleGeneralUserChoice::medium, TimeStyleGeneralUserChoice::medium); }

    // Each type takes the parts its values have, in the settings' styles.
    void datesFollowTheirTypeAndTheSettings_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("dateStyle");
        QTest::addColumn<int>("timeStyle");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date and time, medium") << "ExifIFD:DateTimeOriginal" << "2022:07:14 18:45:12" << 2 << 2
                                               << "14 Jul 2022, 18:45:12";
        QTest::newRow("date and time, short") << "ExifIFD:DateTimeOriginal" << "2022:07:14 18:45:12" << 1 << 1
                                              << "14/07/2022, 18:45";
        QTest::newRow("no date style: the time alone") << "ExifIFD:DateTimeOriginal" << "2022:07:14 18:45:12" << 0 << 2
                                                       << "18:45:12";
        QTest::newRow("long date, no time") << "ExifIFD:DateTimeOriginal" << "2022:07:14 18:45:12" << 3 << 0
                                            << "14 July 2022";
        QTest::newRow("a date alone ignores the time style") << "GPS:GPSDateStamp" << "2022:07:14" << 2 << 4
                                                            << "14 Jul 2022";
        QTest::newRow("a time alone ignores the date style") << "GPS:GPSTimeStamp" << "18:45:12" << 4 << 2
                                                            << "18:45:12";
        QTest::newRow("both styles none") << "ExifIFD:DateTimeOriginal" << "2022:07:14 18:45:12" << 0 << 0 << "";
    }

    void datesFollowTheirTypeAndTheSettings()
    {
        QFETCH(QString, tag);
        QFETCH(QString, value);
        QFETCH(int, dateStyle);
        QFETCH(int, timeStyle);
        QFETCH(QString, expected);
        setStyles(DateStyleGeneralUserChoice(dateStyle), TimeStyleGeneralUserChoice(timeStyle));
        QCOMPARE(dateDisplayText(tagItem(qPrintable(tag)), value), std::optional<QString>(expected));
    }

    void fullStylesNameTheWeekday()
    {
        setStyles(DateStyleGeneralUserChoice::full, TimeStyleGeneralUserChoice::none);
        const QString text = dateDisplayText(tagItem("ExifIFD:DateTimeOriginal"), QStringLiteral("2022:07:14 18:45:12")).value();
        QVERIFY2(text.contains(QLatin1String("Thursday")) && text.contains(QLatin1String("July 2022")), qPrintable(text));
        QVERIFY(!text.contains(QLatin1Char(':')));
    }

    void unreadableValuesGiveNoText_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("value");
        QTest::newRow("malformed date") << "ExifIFD:DateTimeOriginal" << "yesterday evening";
        QTest::newRow("not a number") << "IFD0:XResolution" << "seventy-two";
        QTest::newRow("not a fraction") << "ExifIFD:ExposureTime" << "fast";
        QTest::newRow("not a country") << "IPTC:Country-PrimaryLocationCode" << "Atlantis";
    }

    void unreadableValuesGiveNoText()
    {
        QFETCH(QString, tag);
        QFETCH(QString, value);
        const ostrak::TagItem item = tagItem(qPrintable(tag));
        QVERIFY(!dateDisplayText(item, value));
        QVERIFY(!numberDisplayText(item, value));
        QVERIFY(!fractionDisplayText(item, value));
        QVERIFY(!countryDisplayText(item, value));
    }

    void numbersFractionsAndYesNo_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("real: at least two fraction digits") << "number" << "IFD0:XResolution" << "72" << "72.00";
        QTest::newRow("real: at most eight") << "number" << "IFD0:XResolution" << "0.1234567891" << "0.12345679";
        QTest::newRow("real: trailing zeros dropped") << "number" << "IFD0:XResolution" << "2.5" << "2.50";
        QTest::newRow("integer: grouped, no fraction") << "number" << "ExifIFD:ISO" << "12800" << "12,800";
        QTest::newRow("exposure as a fraction") << "fraction" << "ExifIFD:ExposureTime" << "0.004" << "1 / 250";
        QTest::newRow("whole seconds") << "fraction" << "ExifIFD:ExposureTime" << "2" << "2 / 1";
        QTest::newRow("country by code") << "country" << "IPTC:Country-PrimaryLocationCode" << "CHE" << "Switzerland (CHE)";
        QTest::newRow("country by its second code") << "country" << "IPTC:Country-PrimaryLocationCode" << "ch"
                                                    << "Switzerland (CHE)";
    }

    void numbersFractionsAndYesNo()
    {
        QFETCH(QString, kind);
        QFETCH(QString, tag);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const ostrak::TagItem item = tagItem(qPrintable(tag));
        const std::optional<QString> text = kind == QLatin1String("number") ? numberDisplayText(item, value)
            : kind == QLatin1String("fraction")                            ? fractionDisplayText(item, value)
                                                                            : countryDisplayText(item, value);
        QCOMPARE(text, std::optional<QString>(expected));
    }

    void yesNoReadsOnlyTrueAsYes()
    {
        const ostrak::TagItem boolean = test::firstTagItem([](const ostrak::TagItem& item) {
            return item.type() == ostrak::TagType::Boolean && item.isWritable();
        });
        const QString yes = boolean.converter().stringValueFromTypedValue(true).value();
        const QString no = boolean.converter().stringValueFromTypedValue(false).value();
        QCOMPARE(yesNoDisplayText(boolean, yes), QStringLiteral("yes"));
        QCOMPARE(yesNoDisplayText(boolean, no), QStringLiteral("no"));
        QCOMPARE(yesNoDisplayText(boolean, QStringLiteral("perhaps")), QStringLiteral("no"));
    }

    void keywordListsAndNotes()
    {
        QCOMPARE(keywordList(tagItem("IPTC:Keywords"), QStringLiteral("café, Zürich, lake")),
                 std::optional<QStringList>({QStringLiteral("café"), QStringLiteral("Zürich"), QStringLiteral("lake")}));
        QCOMPARE(keywordList(tagItem("IPTC:Keywords"), QString()), std::optional<QStringList>(QStringList()));

        const QString note = tagNote(ostrak::TagItem::itemPLISTCast().tagName()).value();
        QVERIFY(!note.isEmpty());
        QCOMPARE(tagNote(ostrak::TagItem::itemPLISTStudio().tagName()), std::optional<QString>(note));
        QVERIFY(!tagNote(ostrak::TagItem::itemEXIFMake().tagName()));
    }

    void numberFormatterReadsOnlyWhatItsTypeTakes()
    {
        const TagNumberFormatter integer(ostrak::TagType::Int16u);
        QCOMPARE(integer.number(QStringLiteral("12,800")), std::optional<double>(12800));
        QVERIFY(!integer.number(QStringLiteral("1.5")));
        QVERIFY(!integer.number(QStringLiteral("70000")));
        QVERIFY(!integer.number(QStringLiteral("-1")));
        QVERIFY(!integer.number(QStringLiteral("twelve")));
        const TagNumberFormatter real(ostrak::TagType::Real);
        QCOMPARE(real.number(QStringLiteral("0.25")), std::optional<double>(0.25));
        QCOMPARE(real.string(-1234.5), QStringLiteral("-1,234.50"));
    }
};

QTEST_MAIN(ValueDisplayTextsTest)
#include "ValueDisplayTextsTest.moc"
