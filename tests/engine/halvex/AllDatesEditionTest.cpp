#include "EndToEndTestSupport.h"
#include "engine/halvex/dates/AllDatesEdition.h"

#include <QTest>

using namespace halvex;
using halvex::test::EndToEnd;
using ostrak::TagName;

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

} // namespace

class AllDatesEditionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Selecting one moment for all dates moves every date tag and nothing else: the zone
    // offset, the place and the text keep their values once saved.
    void updateTouchesOnlyDates()
    {
        EndToEnd files;
        const QString path = files.copy(QStringLiteral("photo.jpg"));
        const auto editor = files.open(path);
        QVERIFY(editor);
        const QStringList others{QStringLiteral("ExifIFD:OffsetTimeOriginal"), QStringLiteral("IPTC:City"),
                                 QStringLiteral("XMP-dc:Title"), QStringLiteral("IFD0:Make"), QStringLiteral("GPS:GPSLatitude")};
        const QString before = EndToEnd::read(path, others);

        const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(AllDatesEdition::update(*editor, DateEdition::select(DateValues(when))));
        for (const TagName& edited : editor->editedTags()) {
            const auto item = edited.item();
            QVERIFY2(item && item->type().isDateTimeOrPartial(), qPrintable(edited.rawValue()));
        }
        QCOMPARE(files.save({editor}), QString());
        QCOMPARE(EndToEnd::read(path, {QStringLiteral("ExifIFD:DateTimeOriginal"), QStringLiteral("ExifIFD:CreateDate")}),
                 QStringLiteral("2001:02:03 04:05:06\n2001:02:03 04:05:06"));
        QCOMPARE(EndToEnd::read(path, others), before);
    }

    // Synchronising copies the chosen date into the other date tags; a file without the chosen
    // tag is left alone, and the chosen tag itself is never rewritten.
    void syncCopiesTheChosenDate()
    {
        EndToEnd files;
        const QString dated = files.copy(QStringLiteral("photo.jpg"), QStringLiteral("dated.jpg"));
        const QString undated = files.copy(QStringLiteral("photo.jpg"), QStringLiteral("undated.jpg"));
        EndToEnd::exifTool({QStringLiteral("-ExifIFD:DateTimeOriginal="), undated});
        EndToEnd::exifTool({QStringLiteral("-ExifIFD:CreateDate=2020:01:01 00:00:00"), dated});
        const QList<std::shared_ptr<TagEditor>> editors = files.open(QStringList{dated, undated});
        QCOMPARE(editors.size(), 2);
        const TagName chosen = tag(QStringLiteral("ExifIFD:DateTimeOriginal"));

        QVERIFY(AllDatesEdition::sync(*editors[0], chosen));
        QVERIFY(!editors[0]->isEdited(chosen));
        QCOMPARE(editors[0]->currentValue(tag(QStringLiteral("ExifIFD:CreateDate"))), QStringLiteral("2022:07:14 18:45:12"));
        for (const TagName& edited : editors[0]->editedTags())
            QVERIFY2(edited.item() && edited.item()->type().isDateTimeOrPartial(), qPrintable(edited.rawValue()));

        QVERIFY(!AllDatesEdition::sync(*editors[1], chosen));
        QVERIFY(!editors[1]->hasEdits());

        QCOMPARE(files.save(editors), QString());
        QCOMPARE(EndToEnd::read(dated, {QStringLiteral("ExifIFD:CreateDate"), QStringLiteral("ExifIFD:OffsetTimeOriginal")}),
                 QStringLiteral("2022:07:14 18:45:12\n+02:00"));
    }
};

QTEST_GUILESS_MAIN(AllDatesEditionTest)
#include "AllDatesEditionTest.moc"
