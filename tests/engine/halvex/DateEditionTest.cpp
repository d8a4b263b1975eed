#include "engine/halvex/dates/DateEdition.h"
#include "engine/halvex/tags/TagValueMarker.h"

#include <QtTest>

#include <limits>

using halvex::DateEdition;
using halvex::DateValues;
using OptionalText = std::optional<QString>;

Q_DECLARE_METATYPE(DateEdition)
Q_DECLARE_METATYPE(DateValues)
Q_DECLARE_METATYPE(OptionalText)

namespace {

const std::nullopt_t no = std::nullopt;

DateValues ymd(int year, int month, int day)
{
    return DateValues(day, month, year);
}

DateValues full(int year, int month, int day, int hour, int minute, int second)
{
    return DateValues(day, month, year, hour, minute, second);
}

} // namespace

class DateEditionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valuesFormDates_data()
    {
        QTest::addColumn<DateValues>("values");
        QTest::addColumn<QDateTime>("date"); // invalid: none
        const QDateTime none;
        QTest::newRow("every component") << full(2021, 7, 4, 13, 5, 59)
                                         << QDateTime(QDate(2021, 7, 4), QTime(13, 5, 59));
        QTest::newRow("absent time is midnight") << ymd(2021, 7, 4) << QDateTime(QDate(2021, 7, 4), QTime(0, 0));
        QTest::newRow("absent minute") << DateValues(4, 7, 2021, 13, no, 59)
                                       << QDateTime(QDate(2021, 7, 4), QTime(13, 0, 59));
        QTest::newRow("29 February of a leap year") << ymd(2024, 2, 29) << QDateTime(QDate(2024, 2, 29), QTime(0, 0));
        QTest::newRow("29 February of another year") << ymd(2023, 2, 29) << none;
        QTest::newRow("29 February 1900") << ymd(1900, 2, 29) << none;
        QTest::newRow("31 April") << ymd(2021, 4, 31) << none;
        QTest::newRow("month 13") << ymd(2021, 13, 1) << none;
        QTest::newRow("day 0") << ymd(2021, 1, 0) << none;
        QTest::newRow("no day") << DateValues(no, 7, 2021) << none;
        QTest::newRow("no year") << DateValues(4, 7, no, 12) << none;
        QTest::newRow("year 0") << ymd(0, 1, 1) << none;
        QTest::newRow("year 10000") << ymd(10000, 1, 1) << none;
        QTest::newRow("hour 24") << full(2021, 7, 4, 24, 0, 0) << none;
        QTest::newRow("second 60") << full(2021, 7, 4, 23, 59, 60) << none;
        QTest::newRow("negative minute") << full(2021, 7, 4, 12, -1, 0) << none;
        QTest::newRow("nothing") << DateValues() << none;
    }

    void valuesFormDates()
    {
        QFETCH(DateValues, values);
        QFETCH(QDateTime, date);
        const std::optional<QDateTime> formed = values.date();
        if (!date.isValid()) {
            QCOMPARE(formed, std::nullopt);
            return;
        }
        QCOMPARE(formed, std::optional<QDateTime>(date));
        QCOMPARE(formed->timeSpec(), Qt::LocalTime);
    }

    void valuesOfADateAreItsWallClock()
    {
        const QDateTime local(QDate(2024, 5, 1), QTime(12, 30, 45, 500));
        QCOMPARE(DateValues(local), full(2024, 5, 1, 12, 30, 45));
        QCOMPARE(DateValues(local).date(), std::optional<QDateTime>(local.addMSecs(-500)));
        const QDateTime offset(QDate(2024, 5, 1), QTime(23, 0), Qt::OffsetFromUTC, -4 * 3600);
        QCOMPARE(DateValues(offset), full(2024, 5, 1, 23, 0, 0));
        QVERIFY(DateValues(std::nullopt).isEmpty());
        QVERIFY(DateValues(QDateTime()).isEmpty());
    }

    void descriptionsRoundTrip_data()
    {
        QTest::addColumn<DateEdition>("edition");
        QTest::addColumn<QString>("description");
        QTest::newRow("select") << DateEdition::select(full(2021, 7, 4, 13, 5, 59))
                                << "select(day=4,month=7,year=2021,hour=13,minute=5,second=59)";
        QTest::newRow("update some") << DateEdition::update(DateValues(no, no, 2024, 10)) << "update(year=2024,hour=10)";
        QTest::newRow("shift with signs") << DateEdition::shift(DateValues(-1, no, no, 2, no, -30))
                                          << "shift(day=-1,hour=2,second=-30)";
        QTest::newRow("empty shift") << DateEdition::shift({}) << "shift()";
        QTest::newRow("extreme numbers")
            << DateEdition::update(DateValues(std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::max()))
            << "update(day=-2147483648,month=0,year=2147483647)";
        QTest::newRow("restore") << DateEdition::restore() << "restore()";
        QTest::newRow("remove") << DateEdition::remove() << "remove()";
    }

    void descriptionsRoundTrip()
    {
        QFETCH(DateEdition, edition);
        QFETCH(QString, description);
        QCOMPARE(edition.description(), description);
        QCOMPARE(DateEdition::fromDescription(description), std::optional<DateEdition>(edition));
    }

    void readsOnlyDescriptions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptionalText>("reading"); // the description of the edition read
        QTest::newRow("blanks, plus sign, any order")
            << " shift( hour = +2 , day=-1 ) " << OptionalText(u"shift(day=-1,hour=2)"_qs);
        QTest::newRow("date value") << "2021:07:04 13:05:59" << OptionalText();
        QTest::newRow("case alone") << "restore" << OptionalText();
        QTest::newRow("capital case") << "Select(day=1)" << OptionalText();
        QTest::newRow("unknown case") << "set(day=1)" << OptionalText();
        QTest::newRow("unknown component") << "shift(week=1)" << OptionalText();
        QTest::newRow("component twice") << "shift(day=1,day=2)" << OptionalText();
        QTest::newRow("fraction") << "shift(day=1.5)" << OptionalText();
        QTest::newRow("beyond int") << "shift(day=2147483648)" << OptionalText();
        QTest::newRow("empty part") << "shift(day=1,)" << OptionalText();
        QTest::newRow("restore with values") << "restore(day=1)" << OptionalText();
        QTest::newRow("trailing text") << "shift(day=1) now" << OptionalText();
        QTest::newRow("empty") << "" << OptionalText();
    }

    void readsOnlyDescriptions()
    {
        QFETCH(QString, text);
        QFETCH(OptionalText, reading);
        const std::optional<DateEdition> edition = DateEdition::fromDescription(text);
        QCOMPARE(edition ? OptionalText(edition->description()) : OptionalText(), reading);
    }

    void copiesKeepTheCase()
    {
        const DateValues values = ymd(2020, 1, 2);
        QCOMPARE(DateEdition::shift({}).withValues(values), DateEdition::shift(values));
        QCOMPARE(DateEdition::select(ymd(1999, 1, 1)).withValues(values).kind(), DateEdition::Kind::select);
        QCOMPARE(DateEdition::remove().withValues(values), DateEdition::remove());
        QCOMPARE(DateEdition::restore().values(), std::nullopt);
        QCOMPARE(DateEdition::select(values).titleKey(), QStringLiteral("DateEditionSelectValueTitle"));
    }

    void describesForDisplay_data()
    {
        QTest::addColumn<DateEdition>("edition");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariantList>("arguments");
        QTest::newRow("select") << DateEdition::select(full(2021, 7, 4, 13, 5, 9)) << "DateEditionSelectDescription"
                                << QVariantList{u"2021:07:04 13:05:09"_qs};
        QTest::newRow("update") << DateEdition::update(DateValues(no, 3, no, 8)) << "DateEditionUpdateDescription"
                                << QVariantList{u"--:03:-- 08:--:--"_qs};
        QTest::newRow("shift") << DateEdition::shift(DateValues(-1, 0, no, 2)) << "DateEditionShiftDescription"
                               << QVariantList{u"0:+0:-1 +2:0:0"_qs};
        QTest::newRow("restore") << DateEdition::restore() << "DateEditionRestoreDescription" << QVariantList{};
        QTest::newRow("remove") << DateEdition::remove() << "DateEditionRemoveDescription" << QVariantList{};
    }

    void describesForDisplay()
    {
        QFETCH(DateEdition, edition);
        QFETCH(QString, key);
        QFETCH(QVariantList, arguments);
        QCOMPARE(edition.localizedDescription(), (halvex::LocalizedText{key, arguments}));
    }

    void editsDateTexts_data()
    {
        QTest::addColumn<DateEdition>("edition");
        QTest::addColumn<OptionalText>("value");
        QTest::addColumn<OptionalText>("edited"); // none: leave the tag as it is
        const DateEdition july = DateEdition::select(full(2021, 7, 4, 13, 5, 59));
        const auto text = [](const char16_t* t) { return OptionalText(QString::fromUtf16(t)); };

        QTest::newRow("select keeps the zone") << july << text(u"2020:01:01 10:00:00+02:00")
                                               << text(u"2021:07:04 13:05:59+02:00");
        QTest::newRow("select drops the fraction") << july << text(u"2020:01:01 10:00:00.25Z")
                                                   << text(u"2021:07:04 13:05:59Z");
        QTest::newRow("select reads hyphens and T") << july << text(u"2020-01-01T10:00:00-04:00")
                                                    << text(u"2021:07:04 13:05:59-04:00");
        QTest::newRow("select into a time alone") << july << text(u"10:00:00+02:00") << text(u"13:05:59+02:00");
        QTest::newRow("select into a date alone") << july << text(u"2020:01:01") << text(u"2021:07:04");
        QTest::newRow("select into a year") << july << text(u"2020") << text(u"2021:07:04");
        QTest::newRow("select into hours and minutes") << july << text(u"2020:01:01 10:00")
                                                       << text(u"2021:07:04 13:05:59");
        QTest::newRow("select into no value") << july << OptionalText() << text(u"2021:07:04 13:05:59");
        QTest::newRow("select into a text that is no date") << july << text(u"unknown")
                                                            << text(u"2021:07:04 13:05:59");
        QTest::newRow("select a date alone into no value") << DateEdition::select(ymd(2024, 5, 1)) << text(u"")
                                                           << text(u"2024:05:01");
        QTest::newRow("select a month into no value") << DateEdition::select(DateValues(no, 5, 2024)) << text(u"")
                                                      << text(u"2024:05");
        QTest::newRow("select an hour: time reset, date kept")
            << DateEdition::select(DateValues(no, no, no, 10)) << text(u"2020:01:01 08:30:15") << text(u"2020:01:01 10:00:00");
        QTest::newRow("select 31 April") << DateEdition::select(ymd(2021, 4, 31)) << text(u"2020:01:01") << OptionalText();
        QTest::newRow("select a day without a month") << DateEdition::select(DateValues(4, no, 2021)) << OptionalText()
                                                      << OptionalText();
        QTest::newRow("select nothing into no value") << DateEdition::select({}) << OptionalText() << OptionalText();
        QTest::newRow("select over the empty exif date") << july << text(u"0000:00:00 00:00:00")
                                                         << text(u"2021:07:04 13:05:59");

        const DateEdition yearAndHour = DateEdition::update(DateValues(no, no, 2024, 10));
        QTest::newRow("update keeps the others") << yearAndHour << text(u"2020:03:15 08:30:00.5-04:00")
                                                 << text(u"2024:03:15 10:30:00.5-04:00");
        QTest::newRow("update day 31 in April") << DateEdition::update(DateValues(31, no, no)) << text(u"2020:04:15 08:00:00")
                                                << text(u"2020:04:30 08:00:00");
        QTest::newRow("update February of a leap year") << DateEdition::update(DateValues(no, 2, no))
                                                        << text(u"2024:01:31") << text(u"2024:02:29");
        QTest::newRow("update February of another year") << DateEdition::update(DateValues(no, 2, no))
                                                         << text(u"2023:01:31") << text(u"2023:02:28");
        QTest::newRow("update a second drops its fraction") << DateEdition::update(DateValues(no, no, no, no, no, 7))
                                                            << text(u"2020:01:01 10:00:00.75") << text(u"2020:01:01 10:00:07");
        QTest::newRow("update an hour of a date alone") << yearAndHour << text(u"2020:01:01") << text(u"2024:01:01");
        QTest::newRow("update what the text lacks") << DateEdition::update(DateValues(3, no, no, 9))
                                                    << text(u"2020-05") << text(u"2020-05");
        QTest::newRow("update a partial date") << DateEdition::update(DateValues(no, 7, no)) << text(u"2020:05")
                                               << text(u"2020:07");
        QTest::newRow("update a time alone") << yearAndHour << text(u"08:15:00Z") << text(u"10:15:00Z");
        QTest::newRow("update hour 24") << DateEdition::update(DateValues(no, no, no, 24)) << text(u"2020:01:01 10:00:00")
                                        << OptionalText();
        QTest::newRow("update month 0") << DateEdition::update(DateValues(no, 0, no)) << text(u"2020:01:01") << OptionalText();
        QTest::newRow("update no value") << yearAndHour << OptionalText() << OptionalText();
        QTest::newRow("update part of the empty exif date") << yearAndHour << text(u"0000:00:00 00:00:00")
                                                            << OptionalText();
        QTest::newRow("update all of the empty exif date") << DateEdition::update(full(2001, 2, 3, 4, 5, 6))
                                                           << text(u"0000:00:00 00:00:00") << text(u"2001:02:03 04:05:06");

        const auto shift = [](DateValues values) { return DateEdition::shift(values); };
        QTest::newRow("shift into 29 February") << shift(DateValues(1, no, no)) << text(u"2024:02:28 12:00:00")
                                                << text(u"2024:02:29 12:00:00");
        QTest::newRow("shift past 28 February") << shift(DateValues(1, no, no)) << text(u"2023:02:28 12:00:00")
                                                << text(u"2023:03:01 12:00:00");
        QTest::newRow("shift hours into the next year") << shift(DateValues(no, no, no, 13))
                                                        << text(u"2023:12:31 12:00:00+01:00") << text(u"2024:01:01 01:00:00+01:00");
        QTest::newRow("shift back over midnight and a month")
            << shift(DateValues(no, no, no, no, -31)) << text(u"2024:03:01 00:30:00") << text(u"2024:02:29 23:59:00");
        QTest::newRow("shift back a day and more") << shift(DateValues(no, no, no, -49)) << text(u"2024:01:02 00:00:00")
                                                   << text(u"2023:12:30 23:00:00");
        QTest::newRow("shift 31 January by a month") << shift(DateValues(no, 1, no)) << text(u"2024:01:31")
                                                     << text(u"2024:02:29");
        QTest::newRow("shift 29 February by a year") << shift(DateValues(no, no, 1)) << text(u"2024:02:29 08:00:00")
                                                     << text(u"2025:02:28 08:00:00");
        QTest::newRow("shift back 13 months") << shift(DateValues(no, -13, no)) << text(u"2024:01:15") << text(u"2022:12:15");
        QTest::newRow("shift seconds keeps the fraction") << shift(DateValues(no, no, no, no, no, 1))
                                                          << text(u"2020:12:31 23:59:59.5") << text(u"2021:01:01 00:00:00.5");
        QTest::newRow("shift every component") << shift(DateValues(-1, 2, -3, 4, -5, 6)) << text(u"2020:01:01 00:00:00")
                                               << text(u"2017:02:28 03:55:06");
        QTest::newRow("shift a time alone wraps") << shift(DateValues(no, no, no, 1)) << text(u"23:30:00+02:00")
                                                  << text(u"00:30:00+02:00");
        QTest::newRow("shift a date alone ignores time") << shift(DateValues(no, no, no, 48)) << text(u"2020:01:01")
                                                         << text(u"2020:01:01");
        QTest::newRow("shift a partial date") << shift(DateValues(5, 3, no)) << text(u"2020:11") << text(u"2021:02");
        QTest::newRow("shift a year") << shift(DateValues(no, no, -1)) << text(u"2020") << text(u"2019");
        QTest::newRow("shift seconds of a time without them") << shift(DateValues(no, no, no, no, 90, 90))
                                                              << text(u"2020:01:01 10:00") << text(u"2020:01:01 11:30");
        QTest::newRow("shift by nothing") << shift({}) << text(u"2020-01-01T10:00:00") << text(u"2020:01:01 10:00:00");
        QTest::newRow("shift past year 9999") << shift(DateValues(1, no, no)) << text(u"9999:12:31") << OptionalText();
        QTest::newRow("shift before year 1") << shift(DateValues(no, no, -1000000)) << text(u"2020:01:01")
                                             << OptionalText();
        QTest::newRow("shift by the largest amounts") << shift(DateValues(std::numeric_limits<int>::max(), no, no,
                                                                          std::numeric_limits<int>::max()))
                                                      << text(u"2020:01:01 00:00:00") << OptionalText();
        QTest::newRow("shift the empty exif date") << shift(DateValues(1, no, no)) << text(u"0000:00:00 00:00:00") << OptionalText();
        QTest::newRow("shift no value") << shift(DateValues(1, no, no)) << OptionalText() << OptionalText();

        QTest::newRow("restore") << DateEdition::restore() << text(u"2020:01:01") << halvex::TagValueRestore;
        QTest::newRow("remove") << DateEdition::remove() << OptionalText() << halvex::TagValueClear;
    }

    void editsDateTexts()
    {
        QFETCH(DateEdition, edition);
        QFETCH(OptionalText, value);
        QFETCH(OptionalText, edited);
        QCOMPARE(edition.editedValue(value), edited);
    }
};

QTEST_GUILESS_MAIN(DateEditionTest)
#include "DateEditionTest.moc"
