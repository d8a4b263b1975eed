#include "engine/halvex/dates/TagEditorDates.h"

#include "EndToEndTestSupport.h"

#include <QTest>

using namespace halvex;
using ostrak::TagName;

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

} // namespace

class TagEditorDatesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // ExifTool reads QuickTime's UTC dates in the local zone.
        qputenv("TZ", "UTC");
    }

    void init()
    {
        files_.emplace();
        QVERIFY(files_->isValid());
    }

    void cleanup() { files_.reset(); }

    // Each edition on a real date tag, saved and read back by ExifTool.
    void editionReadBack_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("tagName");
        QTest::addColumn<QString>("edition");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<QString>("expected"); // "-": absent

        const QString photo = QStringLiteral("photo.jpg");
        const QString original = QStringLiteral("ExifIFD:DateTimeOriginal"); // 2022:07:14 18:45:12
        QTest::newRow("EXIF select") << photo << original << "select(day=2,month=1,year=2023,hour=3,minute=4,second=5)"
                                     << true << "2023:01:02 03:04:05";
        QTest::newRow("EXIF shift over a month end") << photo << original << "shift(day=18)" << true << "2022:08:01 18:45:12";
        QTest::newRow("EXIF shift over a year end") << photo << original << "shift(month=6)" << true << "2023:01:14 18:45:12";
        QTest::newRow("EXIF shift hours into the next day") << photo << original << "shift(hour=6)" << true
                                                            << "2022:07:15 00:45:12";
        QTest::newRow("EXIF shift back over a year start") << photo << original << "shift(month=-7)" << true
                                                           << "2021:12:14 18:45:12";
        QTest::newRow("EXIF update to a day the month lacks") << photo << original << "update(month=2,day=31)" << true
                                                              << "2022:02:28 18:45:12";
        QTest::newRow("EXIF remove") << photo << original << "remove()" << true << "-";
        // A date stamp the file lacks gets the date alone.
        QTest::newRow("GPS date stamp created") << photo << "GPS:GPSDateStamp" << "select(day=5,month=3,year=2024,hour=10)"
                                                << true << "2024:03:05";
        QTest::newRow("not a date tag") << photo << "IFD0:Make" << "select(day=5,month=3,year=2024)" << false << "Corvelle";

        const QString movie = QStringLiteral("movie.mp4");
        const QString creation = QStringLiteral("Keys:CreationDate"); // 2024:05:01 12:00:00+02:00
        QTest::newRow("QuickTime zoned shift") << movie << creation << "shift(day=1)" << true << "2024:05:02 12:00:00+02:00";
        QTest::newRow("QuickTime zoned shift back over a year end") << movie << creation << "shift(month=-5,minute=30)"
                                                                    << true << "2023:12:01 12:30:00+02:00";
        QTest::newRow("QuickTime zoned select keeps the zone") << movie << creation << "select(day=29,month=2,year=2020,hour=8)"
                                                               << true << "2020:02:29 08:00:00+02:00";
        QTest::newRow("QuickTime UTC movie date") << QStringLiteral("movie.mov") << "QuickTime:CreateDate" << "shift(day=17)"
                                                  << true << "2023:09:01 13:30:00+00:00";

        const QString sidecar = QStringLiteral("sidecar.xmp");
        QTest::newRow("XMP shift back over a month start") << sidecar << "XMP-exif:DateTimeOriginal" << "shift(day=-3)"
                                                           << true << "2021:08:31 06:12:00+02:00";
        QTest::newRow("XMP update") << sidecar << "XMP-xmp:CreateDate" << "update(year=2020)" << true
                                    << "2020:09:03 06:12:00+02:00";
    }

    void editionReadBack()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, tagName);
        QFETCH(QString, edition);
        QFETCH(bool, changes);
        QFETCH(QString, expected);

        const QString path = files_->copy(fixture);
        const auto editor = files_->open(path);
        QVERIFY(editor);
        const std::optional<DateEdition> dateEdition = DateEdition::fromDescription(edition);
        QVERIFY(dateEdition);
        QCOMPARE(editDate(*editor, *dateEdition, TagEditor::tagItem(tag(tagName))), changes);
        QCOMPARE(editor->hasEdits(), changes);

        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, {tagName}), expected);
    }

    // Restoring drops the edit; nothing is written.
    void restoreDropsTheEdit()
    {
        const QString path = files_->copy(QStringLiteral("photo.jpg"));
        const auto editor = files_->open(path);
        const QList<TagName> names{tag(QStringLiteral("ExifIFD:DateTimeOriginal")), tag(QStringLiteral("ExifIFD:CreateDate"))};
        QVERIFY(editDate(*editor, DateEdition::shift(DateValues(1, std::nullopt, std::nullopt)), names));
        QCOMPARE(editor->currentValue(names[1]), QStringLiteral("2022:07:15 18:45:12"));
        QVERIFY(editDate(*editor, DateEdition::restore(), names));
        QVERIFY(!editor->hasEdits());
        QCOMPARE(editor->currentValue(names[0]), QStringLiteral("2022:07:14 18:45:12"));
    }

    // "Update all dates": every tag the editor reports goes through editDate; the date tags of
    // the file move, derived and file system dates are left alone, and the save takes them all.
    void walkOverEveryTag_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("photo") << QStringLiteral("photo.jpg")
                               << QStringList{"ExifIFD:DateTimeOriginal", "ExifIFD:CreateDate", "Composite:SubSecDateTimeOriginal"}
                               << QStringList{"2022:07:14 19:45:12", "2022:07:14 19:45:12", "2022:07:14 19:45:12+02:00"};
        QTest::newRow("movie") << QStringLiteral("movie.mov")
                               << QStringList{"Keys:CreationDate", "QuickTime:CreateDate", "Track1:TrackCreateDate",
                                              "Track2:MediaModifyDate"}
                               << QStringList{"2023:08:15 10:30:00-04:00", "2023:08:15 14:30:00+00:00",
                                              "2023:08:15 14:30:00+00:00", "2023:08:15 14:30:00+00:00"};
    }

    void walkOverEveryTag()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, tags);
        QFETCH(QStringList, expected);
        const QString path = files_->copy(fixture);
        const auto editor = files_->open(path);
        const QString fileDate = test::EndToEnd::read(path, {QStringLiteral("System:FileModifyDate")});

        const DateEdition edition = DateEdition::shift(DateValues(std::nullopt, std::nullopt, std::nullopt, 1));
        for (const TagName& name : editor->tagNames()) {
            if (const auto item = name.item())
                editDate(*editor, edition, *item);
        }
        for (const TagName& edited : editor->editedTags()) {
            QVERIFY2(edited.group() != u"Composite" && edited.group() != u"System", qPrintable(edited.rawValue()));
            QVERIFY(TagEditor::tagItem(edited).type().isDateTimeOrPartial());
        }

        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, tags).split(QLatin1Char('\n')), expected);
        QCOMPARE(test::EndToEnd::read(path, {QStringLiteral("System:FileModifyDate")}), fileDate);
    }

    void copyDateIntoTheTargetForm_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QStringList>("to");
        QTest::addColumn<QStringList>("expected");
        const QString photo = QStringLiteral("photo.jpg");
        const QString original = QStringLiteral("ExifIFD:DateTimeOriginal"); // 18:45:12, offset tag +02:00
        QTest::newRow("GPS stamps in UTC") << photo << original << QStringList{"GPS:GPSDateStamp", "GPS:GPSTimeStamp"}
                                           << QStringList{"2022:07:14", "16:45:12"};
        QTest::newRow("IPTC date and zoned time") << photo << original << QStringList{"IPTC:DateCreated", "IPTC:TimeCreated"}
                                                  << QStringList{"2022:07:14", "18:45:12+02:00"};
        QTest::newRow("EXIF date") << photo << original << QStringList{"IFD0:ModifyDate"} << QStringList{"2022:07:14 18:45:12"};
        QTest::newRow("zoned XMP date into a UTC and a zoned tag") << QStringLiteral("sidecar.xmp") << "XMP-exif:DateTimeOriginal"
                                                   << QStringList{"XMP-exif:GPSDateTime", "XMP-photoshop:DateCreated"}
                                                   << QStringList{"2021:09:03 04:12:00Z", "2021:09:03 06:12:00+02:00"};
        QTest::newRow("no date in the source") << photo << "IFD0:Make" << QStringList{"IFD0:ModifyDate"} << QStringList{"-"};
    }

    void copyDateIntoTheTargetForm()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, from);
        QFETCH(QStringList, to);
        QFETCH(QStringList, expected);
        const QString path = files_->copy(fixture);
        const auto editor = files_->open(path);
        for (const QString& target : to)
            copyDate(*editor, tag(from), tag(target));
        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, to).split(QLatin1Char('\n')), expected);
    }

    // The date distribution gives each file of a list the same date in every chosen tag.
    void listSelectsOneDateEverywhere()
    {
        const QStringList paths{files_->copy(QStringLiteral("photo.jpg")), files_->copy(QStringLiteral("photo.jpg"), "b.jpg")};
        const auto editors = files_->open(paths);
        QCOMPARE(editors.size(), 2);
        const QDateTime when(QDate(2019, 12, 31), QTime(23, 59, 58));
        const QList<TagName> names{tag(QStringLiteral("ExifIFD:DateTimeOriginal")), tag(QStringLiteral("XMP-xmp:CreateDate"))};
        QVERIFY(editDate(editors, DateEdition::select(DateValues(when)), names));
        QCOMPARE(files_->save(editors), QString());
        for (const QString& path : paths) {
            QCOMPARE(test::EndToEnd::read(path, {QStringLiteral("ExifIFD:DateTimeOriginal"), QStringLiteral("XMP-xmp:CreateDate")}),
                     QStringLiteral("2019:12:31 23:59:58\n2019:12:31 23:59:58"));
        }
    }

private:
    std::optional<test::EndToEnd> files_;
};

QTEST_GUILESS_MAIN(TagEditorDatesTest)
#include "TagEditorDatesTest.moc"
