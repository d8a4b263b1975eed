#include "engine/ostrak/DateTimeValueConverter.h"
#include "engine/ostrak/TagItemData.h"
#include "engine/ostrak/ValueConverter.h"

#include <QtTest>

#include <algorithm>

using ostrak::DateTimeValueConverter;
using ostrak::TagItem;
using ostrak::TagItemData;
using ostrak::TagName;
using ostrak::TagType;
using ostrak::ValueConverter;

namespace {

TagItem makeItem(TagType type, bool sequence = false, TagItem::Choices choices = {})
{
    auto data = std::make_shared<TagItemData>();
    data->name = TagName(QStringLiteral("Test"), QStringLiteral("Tag"));
    data->type = type;
    data->writable = true;
    data->listKind = sequence ? TagItem::ListKind::List : TagItem::ListKind::None;
    data->choices = std::move(choices);
    return TagItem(std::move(data));
}

TagItem orientation()
{
    return makeItem(TagType::Int16u, false,
                    {{"1", "Horizontal (normal)"}, {"3", "Rotate 180"}, {"6", "Rotate 90 CW"}, {"8", "Rotate 270 CW"}});
}

TagItem yesNo()
{
    return makeItem(TagType::Boolean, false, {{"0", "No"}, {"1", "Yes"}});
}

QDateTime at(int y, int mo, int d, int h, int mi, int s, int offsetMinutes)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::OffsetFromUTC, offsetMinutes * 60);
}

const QString none = QStringLiteral("<none>");

QString shown(const std::optional<QString>& text)
{
    return text.value_or(none);
}

} // namespace


class ValueConverterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedTextBecomesStoredText_data()
    {
        QTest::addColumn<TagItem>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");

        const auto row = [](const char* name, TagItem item, const QString& text, const QString& stored) {
            QTest::newRow(name) << item << text << stored;
        };
        row("text kept as typed", makeItem(TagType::String), " Hello ", " Hello ");
        row("empty text", makeItem(TagType::String), "", "");
        row("integer", makeItem(TagType::Int16u), " 7 ", "7");
        row("integer with sign", makeItem(TagType::Int16u), "+12", "12");
        row("integer above range", makeItem(TagType::Int16u), "70000", none);
        row("negative unsigned", makeItem(TagType::Int16u), "-1", none);
        row("signed byte bottom", makeItem(TagType::Int8s), "-128", "-128");
        row("signed byte below", makeItem(TagType::Int8s), "-129", none);
        row("unsigned 64-bit top", makeItem(TagType::Int64u), "18446744073709551615", "18446744073709551615");
        row("fraction for integer", makeItem(TagType::Int32s), "4.5", none);
        row("words for integer", makeItem(TagType::Int32s), "abc", none);
        row("empty number", makeItem(TagType::Real), "", none);
        row("real", makeItem(TagType::Real), "5.6", "5.6");
        row("rational", makeItem(TagType::Real), "1/200", "1/200");
        row("real with unit", makeItem(TagType::Real), "50.0 mm", "50.0 mm");
        row("division by zero", makeItem(TagType::Real), "1/0", none);
        row("infinity", makeItem(TagType::Real), "inf", none);
        row("sentence after number", makeItem(TagType::Real), "35 m Below Sea Level", none);
        row("negative speed", makeItem(TagType::Speed), "-3", none);
        row("speed", makeItem(TagType::Speed), "12.5", "12.5");
        row("iptc digits keep zeros", makeItem(TagType::Digits), "0042", "0042");
        row("xmp boolean", makeItem(TagType::Boolean), "yes", "True");
        row("xmp boolean false", makeItem(TagType::Boolean), "FALSE", "False");
        row("not a boolean", makeItem(TagType::Boolean), "maybe", none);
        row("exif date", makeItem(TagType::DateTime), "2024:05:01 12:30:45", "2024:05:01 12:30:45");
        row("exif date from iso", makeItem(TagType::DateTime), "2024-05-01T12:30:45+02:00", "2024:05:01 12:30:45");
        row("exif date without time", makeItem(TagType::DateTime), "2024:05:01", "2024:05:01 00:00:00");
        row("exif date, month only", makeItem(TagType::DateTime), "2024:05", none);
        row("no such day", makeItem(TagType::DateTime), "2024:02:30 10:00:00", none);
        row("zero date", makeItem(TagType::DateTime), "0000:00:00 00:00:00", none);
        row("no such hour", makeItem(TagType::DateTime), "2024:05:01 25:00:00", none);
        row("zoned date", makeItem(TagType::DateTimeZ), "2024:05:01 12:30:45+02:00", "2024:05:01 12:30:45+02:00");
        row("utc letter", makeItem(TagType::DateTimeZ), "2024:05:01 12:30:45Z", "2024:05:01 12:30:45+00:00");
        row("zoned date without zone", makeItem(TagType::DateTimeZ), "2024:05:01 12:30:45", "2024:05:01 12:30:45");
        row("zoned date drops fraction", makeItem(TagType::DateTimeZ), "2024:05:01 12:30:45.25-05:30", "2024:05:01 12:30:45-05:30");
        row("zone out of range", makeItem(TagType::DateTimeZ), "2024:05:01 12:30:45+15:00", none);
        row("xmp year", makeItem(TagType::Date), "2024", "2024");
        row("xmp month", makeItem(TagType::Date), "2024:05", "2024:05");
        row("xmp full", makeItem(TagType::Date), "2024-05-01T12:30:45.25+02:00", "2024:05:01 12:30:45.25+02:00");
        row("xmp time alone", makeItem(TagType::Date), "12:30", none);
        row("gps date", makeItem(TagType::PartialDate), "2024:05:01", "2024:05:01");
        row("gps date of a zoned moment", makeItem(TagType::PartialDate), "2024:05:01 01:00:00+02:00", "2024:04:30");
        row("gps date, year only", makeItem(TagType::PartialDate), "2024", none);
        row("gps time", makeItem(TagType::PartialTime), "12:30:45", "12:30:45");
        row("gps time without seconds", makeItem(TagType::PartialTime), "12:30", "12:30:00");
        row("gps time of a zoned time", makeItem(TagType::PartialTime), "01:00:00+02:00", "23:00:00");
        row("gps time of a zoned moment", makeItem(TagType::PartialTime), "2024:05:01 12:30:45.5+02:00", "10:30:45.5");
        row("iptc date digits", makeItem(TagType::DigitsDate), "20240501", "2024:05:01");
        row("iptc time", makeItem(TagType::DigitsTime), "12:30:45+02:00", "12:30:45+02:00");
        row("iptc time digits", makeItem(TagType::DigitsTime), "123045+0200", "12:30:45+02:00");
        row("image", makeItem(TagType::Base64Image), "base64:aGVsbG8=", "base64:aGVsbG8=");
        row("image without prefix", makeItem(TagType::Base64Image), "aGVsbG8=", "base64:aGVsbG8=");
        row("image not base64", makeItem(TagType::Base64Image), "base64:***", none);
        row("image placeholder", makeItem(TagType::Base64Image), "(Binary data 1234 bytes, use -b option to extract)", none);
        row("binary placeholder", makeItem(TagType::Binary), "(Binary data 52 bytes, use -b option to extract)", none);
        row("placeholder in a text tag", makeItem(TagType::String), "(Binary data 52 bytes, use -b option to extract)", none);
        row("country code", makeItem(TagType::Country), "FRA ", "FRA");
        row("no country", makeItem(TagType::Country), " ", none);
        row("text list", makeItem(TagType::String, true), "Paris, tower,dusk", "Paris, tower, dusk");
        row("empty list", makeItem(TagType::String, true), " , ", "");
        row("number list with a word", makeItem(TagType::Int16u, true), "1, 2, x", none);
        row("choice by description", orientation(), "Rotate 180", "3");
        row("choice by description, any case", orientation(), "rotate 90 cw", "6");
        row("choice by value", orientation(), "3", "3");
        row("no such choice", orientation(), "9", none);
        row("yes/no by description", yesNo(), "Yes", "1");
        row("yes/no by word", yesNo(), "true", "1");
        row("yes/no by value", yesNo(), "0", "0");
    }

    void typedTextBecomesStoredText()
    {
        QFETCH(TagItem, item);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(shown(item.converter().stringValueFromStringValue(text)), stored);
    }

    void storedTextBecomesObject_data()
    {
        QTest::addColumn<TagItem>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("object");

        QTest::newRow("integer") << makeItem(TagType::Int16u) << "42" << QVariant(qlonglong(42));
        QTest::newRow("rational") << makeItem(TagType::Real) << "1/200" << QVariant(0.005);
        QTest::newRow("unit") << makeItem(TagType::Real) << "50 mm" << QVariant(50.0);
        QTest::newRow("not a number") << makeItem(TagType::Int32s) << "abc" << QVariant();
        QTest::newRow("choice to its value") << orientation() << "Rotate 180" << QVariant(qlonglong(3));
        QTest::newRow("zoned date") << makeItem(TagType::DateTimeZ) << "2024:05:01 12:30:45+02:00"
                                    << QVariant(at(2024, 5, 1, 12, 30, 45, 120));
        QTest::newRow("time stamp keeps its zone") << makeItem(TagType::PartialTime) << "01:00:00+02:00"
                                                   << QVariant(at(2000, 1, 1, 1, 0, 0, 120));
        QTest::newRow("partial date") << makeItem(TagType::Date) << "2024:05"
                                      << QVariant(QDateTime(QDate(2024, 5, 1), QTime(0, 0)));
        QTest::newRow("list") << makeItem(TagType::String, true) << "a, b ,c" << QVariant(QStringList{"a", "b", "c"});
        QTest::newRow("text") << makeItem(TagType::String) << "Title" << QVariant(QStringLiteral("Title"));
        QTest::newRow("boolean") << makeItem(TagType::Boolean) << "True" << QVariant(true);
        QTest::newRow("yes/no") << yesNo() << "No" << QVariant(false);
    }

    void storedTextBecomesObject()
    {
        QFETCH(TagItem, item);
        QFETCH(QString, text);
        QFETCH(QVariant, object);
        const QVariant converted = item.converter().objectValueFromStringValue(text);
        QCOMPARE(converted, object);
        if (object.metaType().id() == QMetaType::QDateTime)
            QCOMPARE(converted.toDateTime().offsetFromUtc(), object.toDateTime().offsetFromUtc());
        QVERIFY(!item.converter().objectValueFromStringValue(std::nullopt).isValid());
    }

    void imagesAreTypedAsBytes()
    {
        const ValueConverter converter = makeItem(TagType::Base64Image).converter();
        QCOMPARE(converter.typedValueFromStringValue(QStringLiteral("base64:aGVsbG8=")), QVariant(QByteArray("hello")));
        QCOMPARE(shown(converter.stringValueFromTypedValue(QByteArray("hello"))), QStringLiteral("base64:aGVsbG8="));
        QCOMPARE(shown(converter.stringValueFromTypedValue(QByteArray())), none);
    }

    void valuesBecomeStoredText_data()
    {
        QTest::addColumn<TagItem>("item");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("stored");

        const QDateTime moment = at(2024, 5, 1, 12, 30, 45, 120);
        QTest::newRow("no value") << makeItem(TagType::String) << QVariant() << none;
        QTest::newRow("integer") << makeItem(TagType::Int16u) << QVariant(42) << "42";
        QTest::newRow("fraction for integer") << makeItem(TagType::Int16u) << QVariant(4.5) << none;
        QTest::newRow("integer out of range") << makeItem(TagType::Int16u) << QVariant(70000) << none;
        QTest::newRow("real") << makeItem(TagType::Real) << QVariant(0.1) << "0.1";
        QTest::newRow("text checked") << orientation() << QVariant(QStringLiteral("Rotate 180")) << "3";
        QTest::newRow("zoned date") << makeItem(TagType::DateTimeZ) << QVariant(moment) << "2024:05:01 12:30:45+02:00";
        QTest::newRow("exif date") << makeItem(TagType::DateTime) << QVariant(moment) << "2024:05:01 12:30:45";
        QTest::newRow("gps date in utc") << makeItem(TagType::PartialDate) << QVariant(at(2024, 5, 1, 1, 0, 0, 120)) << "2024:04:30";
        QTest::newRow("gps time in utc") << makeItem(TagType::PartialTime) << QVariant(moment) << "10:30:45";
        QTest::newRow("date into text") << makeItem(TagType::String) << QVariant(moment) << "2024:05:01 12:30:45+02:00";
        QTest::newRow("date into number") << makeItem(TagType::Int32u) << QVariant(moment) << none;
        QTest::newRow("xmp boolean") << makeItem(TagType::Boolean) << QVariant(true) << "True";
        QTest::newRow("yes/no") << yesNo() << QVariant(true) << "1";
        QTest::newRow("list") << makeItem(TagType::String, true) << QVariant(QStringList{"a", "b"}) << "a, b";
        QTest::newRow("number list") << makeItem(TagType::Int16u, true) << QVariant(QVariantList{1, 2}) << "1, 2";
        QTest::newRow("number list, bad element") << makeItem(TagType::Int16u, true) << QVariant(QVariantList{1, "x"}) << none;
        QTest::newRow("list into text") << makeItem(TagType::String) << QVariant(QStringList{"a", "b"}) << "a, b";
        QTest::newRow("number into text") << makeItem(TagType::String) << QVariant(3) << "3";
    }

    void valuesBecomeStoredText()
    {
        QFETCH(TagItem, item);
        QFETCH(QVariant, value);
        QFETCH(QString, stored);
        QCOMPARE(shown(item.converter().stringValueFromTypedValue(value)), stored);
    }

    void objectsSortByValue_data()
    {
        QTest::addColumn<TagItem>("item");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("sorted");

        QTest::newRow("numbers, not digits") << makeItem(TagType::Int32s) << QStringList{"10", "9", "100", "-1"}
                                             << QStringList{"-1", "9", "10", "100"};
        QTest::newRow("rationals") << makeItem(TagType::Real) << QStringList{"1/60", "1/200", "0.5"}
                                   << QStringList{"1/200", "1/60", "0.5"};
        QTest::newRow("moments across zones") << makeItem(TagType::DateTimeZ)
                                              << QStringList{"2024:05:01 11:00:00+00:00", "2024:05:01 12:00:00+02:00"}
                                              << QStringList{"2024:05:01 12:00:00+02:00", "2024:05:01 11:00:00+00:00"};
        QTest::newRow("partial dates") << makeItem(TagType::Date) << QStringList{"2024:05:02", "2024", "2023:12"}
                                       << QStringList{"2023:12", "2024", "2024:05:02"};
        QTest::newRow("texts ignore case first") << makeItem(TagType::String) << QStringList{"b", "a", "A"}
                                                 << QStringList{"A", "a", "b"};
        QTest::newRow("lists element by element") << makeItem(TagType::String, true) << QStringList{"b", "a, c", "a"}
                                                  << QStringList{"a", "a, c", "b"};
    }

    void objectsSortByValue()
    {
        QFETCH(TagItem, item);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, sorted);
        const ValueConverter converter = item.converter();
        std::stable_sort(texts.begin(), texts.end(), [&](const QString& a, const QString& b) {
            return !ValueConverter::isLessThanOrEqualTo(converter.objectValueFromStringValue(b),
                                                        converter.objectValueFromStringValue(a));
        });
        QCOMPARE(texts, sorted);
    }

    void orderIsTotalAcrossKinds()
    {
        const QList<QVariant> ascending = {QVariant(), QVariant(false), QVariant(true), QVariant(qlonglong(-5)),
                                           QVariant(2.5), QVariant(qulonglong(18446744073709551615ULL)),
                                           QVariant(at(2024, 1, 1, 0, 0, 0, 0)), QVariant(QStringLiteral("text")),
                                           QVariant(QStringList{"list"}), QVariant(QByteArray("bytes"))};
        for (qsizetype i = 0; i < ascending.size(); ++i) {
            QVERIFY(ValueConverter::isLessThanOrEqualTo(ascending[i], ascending[i]));
            for (qsizetype j = i + 1; j < ascending.size(); ++j) {
                QVERIFY2(ValueConverter::isLessThanOrEqualTo(ascending[i], ascending[j]), qPrintable(QString::number(i)));
                QVERIFY2(!ValueConverter::isLessThanOrEqualTo(ascending[j], ascending[i]), qPrintable(QString::number(j)));
            }
        }
        QVERIFY(ValueConverter::isLessThanOrEqualTo(QVariant(qlonglong(3)), QVariant(3.0)));
        QVERIFY(ValueConverter::isLessThanOrEqualTo(QVariant(3.0), QVariant(qlonglong(3))));
    }

    void dateConverterWritesWhatItReads_data()
    {
        QTest::addColumn<QDateTime>("date");
        QTest::newRow("east of utc") << at(2024, 5, 1, 12, 30, 45, 120);
        QTest::newRow("west of utc, half hour") << at(2023, 12, 31, 23, 59, 59, -210);
        QTest::newRow("utc") << QDateTime(QDate(2024, 2, 29), QTime(0, 0), Qt::UTC);
        QTest::newRow("local") << QDateTime(QDate(2024, 7, 14), QTime(9, 15, 0));
    }

    void dateConverterWritesWhatItReads()
    {
        QFETCH(QDateTime, date);
        const DateTimeValueConverter converter;
        QCOMPARE(converter.format(), QStringLiteral("yyyy:MM:dd HH:mm:ssZZZZZ"));
        const auto text = converter.stringValueFromTypedValue(converter.typedValueFromSwiftValue(date));
        QVERIFY(text);
        const QVariant read = converter.typedValueFromStringValue(*text);
        QCOMPARE(read.toDateTime(), date);
        QCOMPARE(read.toDateTime().offsetFromUtc(), date.offsetFromUtc());
    }

    void dateConverterReadsExifToolForms()
    {
        const DateTimeValueConverter converter;
        QCOMPARE(shown(converter.stringValueFromTypedValue(at(2024, 5, 1, 12, 30, 45, 120))),
                 QStringLiteral("2024:05:01 12:30:45+02:00"));
        QCOMPARE(converter.typedValueFromStringValue(QStringLiteral("2024:05")).toDateTime(),
                 QDateTime(QDate(2024, 5, 1), QTime(0, 0)));
        QCOMPARE(converter.typedValueFromStringValue(QStringLiteral("2024:05:01 12:30:45+02:00 DST")).toDateTime(),
                 at(2024, 5, 1, 12, 30, 45, 120));
        QVERIFY(!converter.typedValueFromStringValue(QStringLiteral("yesterday")).isValid());
        QVERIFY(!converter.typedValueFromStringValue(QString()).isValid());
        QCOMPARE(converter.typedValueFromSwiftValue(QDate(2024, 5, 1)).toDateTime(), QDateTime(QDate(2024, 5, 1), QTime(0, 0)));
        QVERIFY(!converter.typedValueFromSwiftValue(42).isValid());
        QCOMPARE(shown(converter.stringValueFromTypedValue(QVariant())), none);

        const QDateTime withMilliseconds(QDate(2024, 5, 1), QTime(8, 5, 3, 250), Qt::UTC);
        QCOMPARE(shown(DateTimeValueConverter(QStringLiteral("yyyy:MM:dd")).stringValueFromTypedValue(withMilliseconds)),
                 QStringLiteral("2024:05:01"));
        QCOMPARE(shown(DateTimeValueConverter(QStringLiteral("HH:mm:ss.SS 'at' Z")).stringValueFromTypedValue(withMilliseconds)),
                 QStringLiteral("08:05:03.25 at +0000"));
    }
};

QTEST_GUILESS_MAIN(ValueConverterTest)
#include "ValueConverterTest.moc"
