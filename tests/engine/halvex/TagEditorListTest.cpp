#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/places/LocationTagNames.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "engine/halvex/tasks/SaveTagEditorsTask.h"
#include "engine/ostrak/ExifToolPool.h"

#include "EditionTestSupport.h"
#include "TagEditorTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace halvex;
using ostrak::TagName;
using ostrak::TagStream;
using EditorPtr = std::shared_ptr<TagEditor>;
using Edition = std::function<void(const TagEditorList&)>;
// Tag ("IFD0:Make") to the value ExifTool reads back, list items joined by "|"; a null text for
// a tag that must be absent, "*" for one that must be present.
using Expected = QMap<QString, QString>;

Q_DECLARE_METATYPE(Edition)

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

QList<TagName> tags(const QStringList& raws)
{
    QList<TagName> names;
    for (const QString& raw : raws)
        names.append(tag(raw));
    return names;
}

const QString present = QStringLiteral("*");

void runExifTool(const QStringList& arguments)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), arguments);
    if (!exiftool.waitForFinished(60000) || exiftool.exitCode() != 0)
        qFatal("exiftool failed: %s", exiftool.readAllStandardError().constData());
}

// ExifTool's reading of the file, by family-1 group, values as text.
QHash<QString, QString> readBack(const QString& path)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-j"), QStringLiteral("-G1"), QStringLiteral("-charset"),
                                                QStringLiteral("filename=UTF8"), path});
    if (!exiftool.waitForFinished(60000))
        qFatal("exiftool did not finish");
    const QJsonObject json = QJsonDocument::fromJson(exiftool.readAllStandardOutput()).array().first().toObject();
    QHash<QString, QString> values;
    for (auto it = json.begin(); it != json.end(); ++it) {
        if (it->isArray()) {
            QStringList items;
            for (const QJsonValue& item : it->toArray())
                items.append(item.toVariant().toString());
            values.insert(it.key(), items.join(QLatin1Char('|')));
        } else {
            values.insert(it.key(), it->toVariant().toString());
        }
    }
    return values;
}

QString mismatches(const QString& path, const Expected& expected)
{
    const QHash<QString, QString> values = readBack(path);
    QStringList wrong;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const bool has = values.contains(it.key());
        const bool ok = it->isNull() ? !has : (*it == present ? has : values.value(it.key()) == *it);
        if (!ok)
            wrong << QStringLiteral("%1 is %2, expected %3")
                         .arg(it.key(), has ? QLatin1Char('"') + values.value(it.key()) + QLatin1Char('"') : QStringLiteral("absent"),
                              it->isNull() ? QStringLiteral("absent") : QLatin1Char('"') + *it + QLatin1Char('"'));
    }
    return wrong.join(QLatin1Char('\n'));
}

QString messagesOf(const AbstractTask& task)
{
    QStringList lines;
    for (const TaskMessage& message : task.messages()) {
        QStringList arguments;
        for (const QVariant& argument : message.reason.arguments)
            arguments << argument.toString();
        lines << message.reason.key + QStringLiteral(": ") + arguments.join(QStringLiteral("; "));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TagEditorListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
    }

    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        paths_.clear();
        TagPasteboard::shared().setCopiedTags({});
    }

    // Every family of edits, run in an edition task, saved and read back by ExifTool.
    void operations_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<Expected>("expected");

        QTest::newRow("one value, one tag")
            << u"photo.jpg"_qs << Edition([](const TagEditorList& list) { list.setValue(u"Brand New"_qs, tag(u"IFD0:Make"_qs)); })
            << Expected{{u"IFD0:Make"_qs, u"Brand New"_qs}, {u"IFD0:Model"_qs, u"Fixture Cam"_qs}};
        QTest::newRow("one value, many tags")
            << u"photo.jpg"_qs
            << Edition([](const TagEditorList& list) {
                   list.setValue(u"Lake Zürich"_qs, tags({u"IPTC:City"_qs, u"XMP-photoshop:City"_qs}));
               })
            << Expected{{u"IPTC:City"_qs, u"Lake Zürich"_qs}, {u"XMP-photoshop:City"_qs, u"Lake Zürich"_qs},
                        {u"IPTC:Country-PrimaryLocationName"_qs, u"Switzerland"_qs}};
        QTest::newRow("no value deletes")
            << u"photo.jpg"_qs << Edition([](const TagEditorList& list) { list.setValue(std::nullopt, tag(u"IFD0:Model"_qs)); })
            << Expected{{u"IFD0:Model"_qs, QString()}, {u"IFD0:Make"_qs, u"Corvelle"_qs}};
        QTest::newRow("table of values and markers")
            << u"photo.jpg"_qs
            << Edition([](const TagEditorList& list) {
                   list.setValues({{tag(u"IFD0:Make"_qs), u"M2"_qs},
                                   {tag(u"IPTC:City"_qs), TagValueClear},
                                   {tag(u"XMP-dc:Title"_qs), u"T2"_qs},
                                   {tag(u"IFD0:Model"_qs), std::nullopt}});
               })
            << Expected{{u"IFD0:Make"_qs, u"M2"_qs}, {u"IPTC:City"_qs, QString()}, {u"XMP-dc:Title"_qs, u"T2"_qs},
                        {u"IFD0:Model"_qs, QString()}};
        QTest::newRow("restore marker")
            << u"photo.jpg"_qs
            << Edition([](const TagEditorList& list) {
                   list.setValue(u"Gone"_qs, tags({u"IFD0:Make"_qs, u"IPTC:City"_qs, u"IFD0:Model"_qs}));
                   list.setValues({{tag(u"IFD0:Make"_qs), TagValueRestore}});
                   list.setValue(TagValueRestore, tags({u"IPTC:City"_qs}));
               })
            << Expected{{u"IFD0:Make"_qs, u"Corvelle"_qs}, {u"IPTC:City"_qs, u"Zürich"_qs}, {u"IFD0:Model"_qs, u"Gone"_qs}};
        QTest::newRow("clear marker")
            << u"photo.jpg"_qs
            << Edition([](const TagEditorList& list) {
                   list.setValue(TagValueClear, tags({u"IPTC:City"_qs, u"XMP-photoshop:City"_qs, u"GPS:GPSLatitude"_qs}));
               })
            << Expected{{u"IPTC:City"_qs, QString()}, {u"XMP-photoshop:City"_qs, QString()}, {u"GPS:GPSLatitude"_qs, QString()},
                        {u"IPTC:Country-PrimaryLocationName"_qs, u"Switzerland"_qs}, {u"GPS:GPSLongitude"_qs, present}};
        // Forcing makes the save write the IPTC again, which the digest written with it shows.
        QTest::newRow("force")
            << u"photo.jpg"_qs
            << Edition([](const TagEditorList& list) { list.forceValues(tags({u"IPTC:ObjectName"_qs, u"IPTC:Headline"_qs})); })
            << Expected{{u"IPTC:ObjectName"_qs, u"Café in Zürich"_qs}, {u"Photoshop:IPTCDigest"_qs, present},
                        {u"IPTC:Headline"_qs, QString()}};
        QTest::newRow("restore a stream")
            << u"photo.jpg"_qs
            << Edition([](const TagEditorList& list) {
                   list.setValue(u"X"_qs, tags({u"IFD0:Make"_qs, u"GPS:GPSAltitude"_qs, u"XMP-dc:Title"_qs}));
                   list.restoreValues({TagStream::streamEXIF()});
               })
            << Expected{{u"IFD0:Make"_qs, u"Corvelle"_qs}, {u"GPS:GPSAltitude"_qs, u"408 m"_qs}, {u"XMP-dc:Title"_qs, u"X"_qs}};
        QTest::newRow("clear a stream")
            << u"photo.jpg"_qs << Edition([](const TagEditorList& list) { list.clearValues({TagStream::streamIPTC()}); })
            << Expected{{u"IPTC:City"_qs, QString()}, {u"IPTC:Keywords"_qs, QString()}, {u"IPTC:CodedCharacterSet"_qs, u"UTF8"_qs},
                        {u"IFD0:Make"_qs, u"Corvelle"_qs}, {u"XMP-photoshop:City"_qs, u"Zürich"_qs}};
        QTest::newRow("clear a block")
            << u"photo.jpg"_qs << Edition([](const TagEditorList& list) { list.clearValues({TagStream(u"GPS"_qs)}); })
            << Expected{{u"GPS:GPSLatitude"_qs, QString()}, {u"GPS:GPSVersionID"_qs, QString()}, {u"IFD0:Make"_qs, u"Corvelle"_qs},
                        {u"ExifIFD:DateTimeOriginal"_qs, u"2022:07:14 18:45:12"_qs}};
        QTest::newRow("clear a stream with an added tag")
            << u"photo.jpg"_qs
            << Edition([](const TagEditorList& list) {
                   list.setValue(u"Added"_qs, tag(u"XMP-dc:Creator"_qs));
                   list.clearValues({TagStream::streamXMP()});
               })
            << Expected{{u"XMP-dc:Title"_qs, QString()}, {u"XMP-iptcExt:LocationCreatedCity"_qs, QString()},
                        {u"XMP-dc:Creator"_qs, QString()}, {u"IPTC:City"_qs, u"Zürich"_qs}};
        // Movie dates cannot be deleted, only zeroed: clearing leaves them.
        QTest::newRow("clear QuickTime")
            << u"movie.mp4"_qs << Edition([](const TagEditorList& list) { list.clearValues({TagStream::streamQuickTime()}); })
            << Expected{{u"ItemList:Title"_qs, QString()}, {u"Keys:Title"_qs, QString()}, {u"UserData:Title"_qs, QString()},
                        {u"Keys:GPSCoordinates"_qs, QString()}, {u"QuickTime:CreateDate"_qs, u"2024:05:01 10:00:00"_qs}};
        QTest::newRow("restore QuickTime")
            << u"movie.mp4"_qs
            << Edition([](const TagEditorList& list) {
                   list.setValue(u"X"_qs, tags({u"ItemList:Title"_qs, u"Keys:Title"_qs, u"ItemList:Genre"_qs}));
                   list.restoreValues({TagStream::streamQuickTime()});
                   list.setValue(u"Y"_qs, tag(u"ItemList:Genre"_qs));
               })
            << Expected{{u"ItemList:Title"_qs, u"Eiffel Tower at Dusk"_qs}, {u"Keys:Title"_qs, u"Keys title"_qs},
                        {u"ItemList:Genre"_qs, u"Y"_qs}};
    }

    void operations()
    {
        QFETCH(QString, fixture);
        QFETCH(Edition, edition);
        QFETCH(Expected, expected);

        const QList<EditorPtr> editors = open({fixture});
        const TagEditorList list(editors);
        const auto task = test::runEdition([list, edition] { edition(list); });
        QVERIFY2(task->messages().isEmpty(), qPrintable(messagesOf(*task)));
        QVERIFY(editors.first()->hasEdits());

        save(editors, IPTCDigestUpdate::update);
        QVERIFY(!editors.first()->hasEdits());
        const QString wrong = mismatches(paths_.first(), expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // Copy the IPTC of one file, edited in memory, and paste it into two others.
    void copyAndPaste_data()
    {
        QTest::addColumn<bool>("clearOther");
        QTest::addColumn<Expected>("expected");

        const Expected common{{u"IPTC:City"_qs, u"Bern"_qs},
                              {u"IPTC:Keywords"_qs, u"café|Zürich|lake, evening"_qs},
                              {u"IPTC:Caption-Abstract"_qs, u"Café – Zürich"_qs},
                              {u"IPTC:CodedCharacterSet"_qs, u"UTF8"_qs},
                              {u"IFD0:Make"_qs, u"Corvelle"_qs},
                              {u"XMP-photoshop:City"_qs, u"Zürich"_qs}};
        Expected merged = common;
        merged.insert(u"IPTC:ObjectName"_qs, u"Café in Zürich"_qs);
        merged.insert(u"IPTC:Sub-location"_qs, u"Extra"_qs);
        Expected cleared = common;
        cleared.insert(u"IPTC:ObjectName"_qs, QString());
        cleared.insert(u"IPTC:Sub-location"_qs, QString());

        QTest::newRow("merge") << false << merged;
        QTest::newRow("clear other tags") << true << cleared;
    }

    void copyAndPaste()
    {
        QFETCH(bool, clearOther);
        QFETCH(Expected, expected);

        const QList<EditorPtr> editors = open({u"photo.jpg"_qs, u"photo.jpg"_qs, u"photo.jpg"_qs});
        const TagEditorList source{editors[0]};
        const TagEditorList targets{editors[1], editors[2]};
        test::runEdition([source, targets] {
            source.setValue(u"Bern"_qs, tag(u"IPTC:City"_qs));
            source.setValue(TagValueClear, tag(u"IPTC:ObjectName"_qs));
            TagEditorList{targets.editors().first()}.setValue(u"Extra"_qs, tag(u"IPTC:Sub-location"_qs));
        });
        test::runEdition([source] { source.copyTags({TagStream::streamIPTC()}); });

        const TagPasteboard::CopiedTags copied = TagPasteboard::shared().copiedTags();
        QCOMPARE(copied.value(tag(u"IPTC:City"_qs)), u"Bern"_qs);
        QVERIFY(!copied.contains(tag(u"IPTC:ObjectName"_qs)));
        QCOMPARE(TagEditorList::copiedItems(copied.value(tag(u"IPTC:Keywords"_qs))),
                 QStringList({u"café"_qs, u"Zürich"_qs, u"lake, evening"_qs}));
        // The character set is the file's, not a value to carry over.
        QVERIFY(!copied.contains(tag(u"IPTC:CodedCharacterSet"_qs)));

        const auto paste = test::runEdition([targets, clearOther] { targets.pasteTags(clearOther); });
        QVERIFY2(paste->messages().isEmpty(), qPrintable(messagesOf(*paste)));

        save(editors);
        for (int i : {1, 2}) {
            Expected forFile = expected;
            if (i == 2 && !clearOther)
                forFile.insert(u"IPTC:Sub-location"_qs, QString());
            const QString wrong = mismatches(paths_[i], forFile);
            QVERIFY2(wrong.isEmpty(), qPrintable(paths_[i] + u":\n"_qs + wrong));
        }
        const QString wrong = mismatches(paths_[0], {{u"IPTC:City"_qs, u"Bern"_qs}, {u"IPTC:ObjectName"_qs, QString()}});
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // Three files holding different values, edited as one list.
    void mixedValues()
    {
        const QList<EditorPtr> editors = open({u"photo.jpg"_qs, u"photo.jpg"_qs, u"photo.jpg"_qs}, [](int index, const QString& path) {
            if (index == 1)
                runExifTool({u"-overwrite_original"_qs, u"-IFD0:Make=Brand B"_qs, u"-IPTC:City=Basel"_qs, path});
            if (index == 2)
                runExifTool({u"-overwrite_original"_qs, u"-IFD0:Make="_qs, u"-IFD0:Model=Cam C"_qs, path});
        });
        const TagEditorList all(editors);
        const TagName make = tag(u"IFD0:Make"_qs);
        const TagName model = tag(u"IFD0:Model"_qs);

        QCOMPARE(all.currentOrEmptyValues(make), QStringList({u"Corvelle"_qs, u"Brand B"_qs, QString()}));
        QVERIFY(all.haveWrittenValues({make}));
        QVERIFY(!TagEditorList{editors[2]}.haveWrittenValues({make, tag(u"IPTC:Headline"_qs)}));

        // Each tag is copied from the first file that has it.
        test::runEdition([list = TagEditorList{editors[2], editors[1], editors[0]}, make, model] {
            list.copyTags(QList<TagName>{make, model, tag(u"IPTC:City"_qs), tag(u"IFD1:ThumbnailImage"_qs)});
        });
        const TagPasteboard::CopiedTags copied = TagPasteboard::shared().copiedTags();
        QCOMPARE(copied.value(make), u"Brand B"_qs);
        QCOMPARE(copied.value(model), u"Cam C"_qs);
        QCOMPARE(copied.value(tag(u"IPTC:City"_qs)), u"Zürich"_qs);
        // Binary data is left in the file, never copied as its placeholder text.
        QVERIFY(!copied.contains(tag(u"IFD1:ThumbnailImage"_qs)));

        test::runEdition([all, make] {
            all.forceValues({make});
            all.setValue(u"Shared caption"_qs, tag(u"IPTC:Caption-Abstract"_qs));
            all.setValue(TagValueClear, QList<TagName>{tag(u"IPTC:City"_qs)});
        });
        QVERIFY(editors[0]->edit(make)->forced);
        QVERIFY(editors[1]->edit(make)->forced);
        QVERIFY(!editors[2]->isEdited(make));
        // A staged deletion is still something to restore.
        QVERIFY(TagEditorList{editors[2]}.haveWrittenValues({tag(u"IPTC:City"_qs)}));

        save(editors);
        const QList<Expected> expected = {
            {{u"IFD0:Make"_qs, u"Corvelle"_qs}, {u"IFD0:Model"_qs, u"Fixture Cam"_qs}},
            {{u"IFD0:Make"_qs, u"Brand B"_qs}, {u"IFD0:Model"_qs, u"Fixture Cam"_qs}},
            {{u"IFD0:Make"_qs, QString()}, {u"IFD0:Model"_qs, u"Cam C"_qs}},
        };
        for (int i = 0; i < 3; ++i) {
            Expected forFile = expected[i];
            forFile.insert(u"IPTC:Caption-Abstract"_qs, u"Shared caption"_qs);
            forFile.insert(u"IPTC:City"_qs, QString());
            const QString wrong = mismatches(paths_[i], forFile);
            QVERIFY2(wrong.isEmpty(), qPrintable(paths_[i] + u":\n"_qs + wrong));
        }

        // Restoring goes back to each file's own value.
        test::runEdition([all, model] {
            all.setValue(u"Temp"_qs, model);
            all.setValue(TagValueRestore, model);
        });
        QCOMPARE(all.currentOrEmptyValues(model), QStringList({u"Fixture Cam"_qs, u"Cam C"_qs}));
        for (const EditorPtr& editor : editors)
            QVERIFY(!editor->hasEdits());
    }

    // The direct paste of the location actions: at once, on the main thread, one flush.
    void pasteTagNamesDirectly()
    {
        const QList<EditorPtr> editors = open({u"photo.jpg"_qs, u"photo.jpg"_qs}, [](int index, const QString& path) {
            if (index == 1)
                runExifTool({u"-overwrite_original"_qs, u"-IPTC:City=Genève"_qs, u"-IPTC:Country-PrimaryLocationName="_qs,
                             u"-XMP-photoshop:City=Genève"_qs, path});
        });
        const TagEditorList target{editors[1]};

        test::FlushRecorder flushes;
        test::runEdition([source = TagEditorList{editors[0]}] { source.copyTags(LocationTagNames::locationTagNames()); });
        QVERIFY(flushes.editions().isEmpty()); // copying changes no editor

        target.pasteTags(LocationTagNames::iptcLocationTagNames());
        QCOMPARE(editors[1]->currentValue(tag(u"IPTC:City"_qs)), u"Zürich"_qs);
        QCOMPARE(editors[1]->currentValue(tag(u"IPTC:Country-PrimaryLocationName"_qs)), u"Switzerland"_qs);
        QCOMPARE(editors[1]->currentValue(tag(u"XMP-photoshop:City"_qs)), u"Genève"_qs);
        QCOMPARE(flushes.editions().size(), 1);
        QVERIFY(flushes.allWell());
        QCOMPARE(flushes.editions().first().tagNames(editors),
                 tags({u"IPTC:City"_qs, u"IPTC:Country-PrimaryLocationName"_qs}));

        // With nothing copied the paste changes nothing.
        TagPasteboard::shared().setCopiedTags({});
        const QList<TagEdit> before = editors[1]->edits();
        target.pasteTags(LocationTagNames::locationTagNames());
        QCOMPARE(editors[1]->edits(), before);
        QCOMPARE(flushes.editions().size(), 1);

        save({editors[1]});
        const QString wrong = mismatches(paths_[1], {{u"IPTC:City"_qs, u"Zürich"_qs},
                                                     {u"IPTC:Country-PrimaryLocationName"_qs, u"Switzerland"_qs},
                                                     {u"XMP-photoshop:City"_qs, u"Genève"_qs}});
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // A paste queued after a copy pastes what that copy copied, never what the pasteboard held
    // when the paste was asked for; the same holds for a direct paste asked while the copy waits.
    // A cut (copy, then clear) copies the values before they are cleared.
    void pasteFollowsQueuedCopy()
    {
        const QList<EditorPtr> editors = open({u"photo.jpg"_qs, u"photo.jpg"_qs, u"photo.jpg"_qs});
        const TagName make = tag(u"IFD0:Make"_qs);
        const TagEditorList source{editors[0]};
        test::runEdition([source, make] { source.setValue(u"Fresh"_qs, make); });
        TagPasteboard::shared().setCopiedTags({{make, u"Stale"_qs}});

        auto gate = std::make_shared<test::GateTask>();
        TaskManager::shared().add(gate);
        gate->waitUntilHeld();
        // A failed check must not leave the task thread held.
        const auto release = qScopeGuard([gate] { gate->open(); });
        TaskManager::shared().add(std::make_shared<EditionTask>([source, make] { source.copyTags(QList<TagName>{make}); }));
        TaskManager::shared().add(std::make_shared<EditionTask>([target = TagEditorList{editors[1]}] { target.pasteTags(false); }));
        TagEditorList{editors[2]}.pasteTags(QList<TagName>{make});
        QCOMPARE(editors[2]->currentValue(make), u"Corvelle"_qs);
        TaskManager::shared().add(std::make_shared<EditionTask>([source] { source.copyTags(LocationTagNames::locationTagNames()); }));
        TaskManager::shared().add(std::make_shared<EditionTask>([source] {
            source.setValue(TagValueClear, LocationTagNames::locationTagNames());
        }));
        gate->open();
        test::waitForSharedTasks();

        QCOMPARE(editors[1]->currentValue(make), u"Fresh"_qs);
        QCOMPARE(editors[2]->currentValue(make), u"Fresh"_qs);
        const TagPasteboard::CopiedTags copied = TagPasteboard::shared().copiedTags();
        QCOMPARE(copied.value(tag(u"GPS:GPSLatitude"_qs)), u"47 deg 22' 36.84\""_qs);
        QCOMPARE(copied.value(tag(u"IPTC:City"_qs)), u"Zürich"_qs);
        QVERIFY(!editors[0]->currentValue(tag(u"GPS:GPSLatitude"_qs)));
        QVERIFY(!editors[0]->currentValue(tag(u"IPTC:City"_qs)));

        save(editors);
        for (int i : {1, 2}) {
            const QString wrong = mismatches(paths_[i], {{u"IFD0:Make"_qs, u"Fresh"_qs}});
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
        const QString wrong = mismatches(paths_[0], {{u"IFD0:Make"_qs, u"Fresh"_qs}, {u"GPS:GPSLatitude"_qs, QString()},
                                                     {u"XMP-photoshop:City"_qs, QString()}, {u"IFD0:Model"_qs, u"Fixture Cam"_qs}});
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

private:
    // Opens copies of the fixtures (prepared by `prepare` before opening), in order.
    QList<EditorPtr> open(const QStringList& fixtures, const std::function<void(int, const QString&)>& prepare = {})
    {
        for (int i = 0; i < fixtures.size(); ++i) {
            const QString name = QStringLiteral("file%1.%2").arg(i).arg(fixtures[i].section(QLatin1Char('.'), -1));
            paths_.append(test::copyFixture(QDir(dir_->path()), fixtures[i], name));
            if (prepare)
                prepare(i, paths_.last());
        }
        const auto task = test::importFiles(paths_, &pool_);
        if (!task->messages().isEmpty() || task->editors().size() != fixtures.size())
            qFatal("could not open the fixtures: %s", qPrintable(messagesOf(*task)));
        return task->editors();
    }

    void save(const QList<EditorPtr>& editors, IPTCDigestUpdate digest = IPTCDigestUpdate::updateIfExists)
    {
        SaveTagEditorsTask::Settings settings;
        settings.editors = editors;
        settings.iptcDigestUpdate = digest;
        settings.pool = &pool_;
        auto task = std::make_shared<SaveTagEditorsTask>(settings);
        test::runTask(task);
        QVERIFY2(task->messages().isEmpty(), qPrintable(messagesOf(*task)));
    }

    ostrak::ExifToolPool pool_{2};
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList paths_;
};

QTEST_GUILESS_MAIN(TagEditorListTest)
#include "TagEditorListTest.moc"
