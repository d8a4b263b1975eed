#include "EditionTestSupport.h"
#include "TagEditorTestSupport.h"
#include "engine/halvex/editions/ApplyPresetEntries.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/ApplyPresetTask.h"
#include "engine/halvex/tasks/SaveTagEditorsTask.h"
#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace halvex;
using ostrak::TagName;
using EditorPtr = std::shared_ptr<TagEditor>;
using Entry = PresetItem::Entry;
using Action = UseCustomActionSettings::Action;
using Formatter = CopyTagValueSettings::Formatter;
using Insertion = PresetValueInsertion;

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

Entry action(const QString& tagName, Action action)
{
    return Entry(tag(tagName), PresetEdition::useCustomAction({action}));
}

Entry custom(const QString& tagName, const QString& value, Insertion insertion = Insertion::replace)
{
    return Entry(tag(tagName), PresetEdition::useCustomValue({value, insertion}));
}

Entry copy(const QString& tagName, const QString& source, Formatter formatter, Insertion insertion = Insertion::replace)
{
    return Entry(tag(tagName), PresetEdition::copyTagValue({tag(source), formatter, insertion}));
}

// Options: c ignores case, d diacritics, w width, r makes the search a regular expression.
Entry search(const QString& tagName, const QString& searched, const QString& replacement, const QString& options = {})
{
    return Entry(tag(tagName), PresetEdition::searchAndReplace({searched, replacement, options.contains(u'c'),
                                                                options.contains(u'd'), options.contains(u'w'),
                                                                options.contains(u'r')}));
}

QString messagesOf(const AbstractTask& task)
{
    QStringList lines;
    for (const TaskMessage& message : task.messages())
        lines << message.reason.key;
    return lines.join(QLatin1Char('\n'));
}

struct ApplyCase {
    QString fixture;
    QList<Entry> entries;
    QString read;
    QStringList readOptions;
    QString expected;
};

} // namespace

class ApplyPresetEntriesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_.emplace();
        QVERIFY(dir_->isValid());
        pool_ = std::make_unique<ostrak::ExifToolPool>(2);
        ostrak::ETSettings::shared().setBackupFolder(QString());
    }

    void cleanup()
    {
        pool_.reset();
        dir_.reset();
    }

    // Each edition applied to a fixture copy, saved, and read back by ExifTool.
    void savedFileHoldsWhatTheEntriesMade_data()
    {
        QTest::addColumn<int>("index");
        cases_.clear();
        const QString photo = QStringLiteral("photo.jpg");
        auto row = [this](const char* name, const QString& fixture, const QList<Entry>& entries, const QString& read,
                          const QString& expected, const QStringList& readOptions = {}) {
            QTest::newRow(name) << int(cases_.size());
            cases_.append({fixture, entries, read, readOptions, expected});
        };
        const QString keywords = QStringLiteral("IPTC:Keywords");
        const QString subject = QStringLiteral("XMP-dc:Subject");
        const QString title = QStringLiteral("XMP-dc:Title");
        const QString description = QStringLiteral("IFD0:ImageDescription");
        const QString original = QStringLiteral("ExifIFD:DateTimeOriginal");

        row("keep", photo, {Entry(tag(QStringLiteral("IFD0:Make")), PresetEdition::keepCurrentValue())},
            QStringLiteral("IFD0:Make"), QStringLiteral("Corvelle"));
        row("remove", photo, {action(title, Action::remove)}, title, QString());
        row("restore after an earlier entry", photo,
            {custom(QStringLiteral("IPTC:City"), QStringLiteral("Bern")), action(QStringLiteral("IPTC:City"), Action::restoreOriginal)},
            QStringLiteral("IPTC:City"), QStringLiteral("Zürich"));
        row("lowercase a list, comma kept in its item", photo, {action(keywords, Action::lowercase)}, keywords,
            QStringLiteral("café|zürich|lake, evening"));
        row("uppercase", photo, {action(title, Action::uppercase)}, title, QStringLiteral("CAFÉ IN ZÜRICH"));
        row("uppercase a movie title", QStringLiteral("movie.mp4"), {action(QStringLiteral("ItemList:Title"), Action::uppercase)},
            QStringLiteral("ItemList:Title"), QStringLiteral("EIFFEL TOWER AT DUSK"));
        row("capitalize", photo,
            {custom(QStringLiteral("IPTC:ObjectName"), QStringLiteral("the OLD mill-road  bY ñight")),
             action(QStringLiteral("IPTC:ObjectName"), Action::capitalize)},
            QStringLiteral("IPTC:ObjectName"), QStringLiteral("The Old Mill-road  By Ñight"));
        row("trim", photo, {custom(description, QStringLiteral(" \t padded text \n ")), action(description, Action::trimWhiteSpace)},
            description, QStringLiteral("padded text"));
        row("trim to nothing removes", photo, {custom(description, QStringLiteral("   ")), action(description, Action::trimWhiteSpace)},
            description, QString());
        row("sort ascending", photo, {action(subject, Action::sortAscending)}, subject, QStringLiteral("café|lake, evening|Zürich"));
        row("sort descending", photo, {action(keywords, Action::sortDescending)}, keywords,
            QStringLiteral("Zürich|lake, evening|café"));
        row("sort numbers by value", photo,
            {custom(subject, QStringLiteral("10, 9, 100, b2, B10")), action(subject, Action::sortAscending)}, subject,
            QStringLiteral("9|10|100|b2|B10"));
        row("copy raw", photo, {copy(description, QStringLiteral("IFD0:Orientation"), Formatter::raw)}, description,
            QStringLiteral("6"));
        row("copy pretty", photo, {copy(description, QStringLiteral("IFD0:Orientation"), Formatter::pretty)}, description,
            QStringLiteral("Rotate 90 CW"));
        row("copy raw into a tag with choices", photo,
            {copy(QStringLiteral("XMP-tiff:Orientation"), QStringLiteral("IFD0:Orientation"), Formatter::raw)},
            QStringLiteral("XMP-tiff:Orientation"), QStringLiteral("Rotate 90 CW"));
        row("copy an edited value raw", photo,
            {custom(QStringLiteral("IFD0:Orientation"), QStringLiteral("Rotate 180")),
             copy(description, QStringLiteral("IFD0:Orientation"), Formatter::raw)},
            description, QStringLiteral("3"));
        row("copy a list item by item, appended", photo,
            {custom(subject, QStringLiteral("sea")), copy(subject, keywords, Formatter::pretty, Insertion::append)}, subject,
            QStringLiteral("sea|café|Zürich|lake, evening"));
        row("copy a list into a text", photo, {copy(description, keywords, Formatter::pretty)}, description,
            QStringLiteral("café, Zürich, lake, evening"));
        row("copy a list into a language alternative", photo, {copy(title, keywords, Formatter::pretty)}, title,
            QStringLiteral("café, Zürich, lake, evening"));
        row("copy prepended", photo, {copy(QStringLiteral("IPTC:ObjectName"), QStringLiteral("IPTC:City"), Formatter::pretty, Insertion::prepend)},
            QStringLiteral("IPTC:ObjectName"), QStringLiteral("ZürichCafé in Zürich"));
        row("copy of a missing tag changes nothing", photo,
            {copy(QStringLiteral("IFD0:Model"), QStringLiteral("IFD0:Software"), Formatter::pretty)}, QStringLiteral("IFD0:Model"),
            QStringLiteral("Fixture Cam"));
        row("copy between movie blocks", QStringLiteral("movie.mp4"),
            {copy(QStringLiteral("ItemList:Title"), QStringLiteral("Keys:Title"), Formatter::pretty, Insertion::append)},
            QStringLiteral("ItemList:Title"), QStringLiteral("Eiffel Tower at DuskKeys title"));
        row("custom value", photo, {custom(QStringLiteral("IFD0:Model"), QStringLiteral("Other Cam"))},
            QStringLiteral("IFD0:Model"), QStringLiteral("Other Cam"));
        row("custom value with a comma stays one text", photo, {custom(title, QStringLiteral("Paris, France"))}, title,
            QStringLiteral("Paris, France"));
        row("custom value prepended", photo, {custom(title, QStringLiteral("Draft: "), Insertion::prepend)}, title,
            QStringLiteral("Draft: Café in Zürich"));
        row("custom value appended", photo,
            {custom(QStringLiteral("IPTC:Caption-Abstract"), QStringLiteral(" (2022)"), Insertion::append)},
            QStringLiteral("IPTC:Caption-Abstract"), QStringLiteral("Café – Zürich (2022)"));
        row("custom value appended to nothing", photo, {custom(description, QStringLiteral("Alone"), Insertion::append)},
            description, QStringLiteral("Alone"));
        row("empty custom value removes", photo, {custom(QStringLiteral("IPTC:City"), QString())}, QStringLiteral("IPTC:City"),
            QString());
        row("empty custom value appended keeps", photo, {custom(QStringLiteral("IPTC:City"), QString(), Insertion::append)},
            QStringLiteral("IPTC:City"), QStringLiteral("Zürich"));
        row("custom list appended", photo, {custom(subject, QStringLiteral("sunset, boat"), Insertion::append)}, subject,
            QStringLiteral("café|Zürich|lake, evening|sunset|boat"));
        row("custom list prepended", photo, {custom(keywords, QStringLiteral("first"), Insertion::prepend)}, keywords,
            QStringLiteral("first|café|Zürich|lake, evening"));
        row("date shifted", photo, {custom(original, QStringLiteral("shift(hour=6,minute=20)"))}, original,
            QStringLiteral("2022:07:15 01:05:12"));
        row("date selected", photo,
            {custom(QStringLiteral("ExifIFD:CreateDate"), QStringLiteral("select(day=1,month=2,year=2020,hour=8,minute=0,second=0)"))},
            QStringLiteral("ExifIFD:CreateDate"), QStringLiteral("2020:02:01 08:00:00"));
        row("date updated", photo, {custom(original, QStringLiteral("update(year=1999)"))}, original,
            QStringLiteral("1999:07:14 18:45:12"));
        row("date removed", photo, {custom(original, QStringLiteral("remove()"))}, original, QString());
        row("date restored", photo, {custom(original, QStringLiteral("shift(day=3)")), custom(original, QStringLiteral("restore()"))},
            original, QStringLiteral("2022:07:14 18:45:12"));
        row("movie date shifted", QStringLiteral("movie.mov"), {custom(QStringLiteral("Keys:CreationDate"), QStringLiteral("shift(year=-3)"))},
            QStringLiteral("Keys:CreationDate"), QStringLiteral("2020:08:15 09:30:00-04:00"));
        row("search in each item", photo, {search(keywords, QStringLiteral("Zürich"), QStringLiteral("Zurich"))}, keywords,
            QStringLiteral("café|Zurich|lake, evening"));
        row("search ignoring case", photo, {search(title, QStringLiteral("zÜRICH"), QStringLiteral("ZRH"), QStringLiteral("c"))},
            title, QStringLiteral("Café in ZRH"));
        row("search ignoring diacritics", photo, {search(title, QStringLiteral("CAFE"), QStringLiteral("Tea"), QStringLiteral("cd"))},
            title, QStringLiteral("Tea in Zürich"));
        row("search ignoring width", photo,
            {custom(QStringLiteral("IFD0:Model"), QStringLiteral("ＦＩＸ Cam")),
             search(QStringLiteral("IFD0:Model"), QStringLiteral("FIX"), QStringLiteral("Fixed"), QStringLiteral("w"))},
            QStringLiteral("IFD0:Model"), QStringLiteral("Fixed Cam"));
        row("search with a regular expression", photo,
            {search(title, QStringLiteral("^(\\w+) in (\\w+)$"), QStringLiteral("$2: $1"), QStringLiteral("r"))}, title,
            QStringLiteral("Zürich: Café"));
        row("search replacing everything removes", photo,
            {search(QStringLiteral("IPTC:City"), QStringLiteral(".*"), QString(), QStringLiteral("r"))}, QStringLiteral("IPTC:City"),
            QString());
        row("search dropping a list item", photo, {search(keywords, QStringLiteral("^caf.*"), QString(), QStringLiteral("r"))},
            keywords, QStringLiteral("Zürich|lake, evening"));
    }

    void savedFileHoldsWhatTheEntriesMade()
    {
        QFETCH(int, index);
        const ApplyCase& row = cases_.at(index);
        const QString path = test::copyFixture(QDir(dir_->path()), row.fixture, QStringLiteral("edited-") + row.fixture);
        const EditorPtr editor = open(path);

        QCOMPARE(applyPresetEntries({editor}, row.entries), QList<LocalizedText>());
        const auto task = std::make_shared<SaveTagEditorsTask>(saveSettings({editor}));
        test::runTask(task);
        QVERIFY2(task->messages().isEmpty(), qPrintable(messagesOf(*task)));
        QCOMPARE(test::exifToolValue(path, row.read, row.readOptions), row.expected);
    }

    // One call edits every editor, each from its own values.
    void everyEditorGetsTheEntries()
    {
        const EditorPtr photo = open(test::copyFixture(QDir(dir_->path()), QStringLiteral("photo.jpg")));
        const EditorPtr sidecar = open(test::copyFixture(QDir(dir_->path()), QStringLiteral("sidecar.xmp")));
        const TagName subject = tag(QStringLiteral("XMP-dc:Subject"));
        const TagName title = tag(QStringLiteral("XMP-dc:Title"));
        QCOMPARE(applyPresetEntries({photo, nullptr, sidecar},
                                    {action(QStringLiteral("XMP-dc:Subject"), Action::sortAscending),
                                     copy(QStringLiteral("XMP-dc:Title"), QStringLiteral("XMP-dc:Subject"), Formatter::raw)}),
                 QList<LocalizedText>());
        QCOMPARE(photo->currentValues(subject), QStringList({QStringLiteral("café"), QStringLiteral("lake, evening"),
                                                             QStringLiteral("Zürich")}));
        QCOMPARE(sidecar->currentValues(subject), QStringList({QStringLiteral("boats"), QStringLiteral("dawn, mist"),
                                                               QStringLiteral("harbour")}));
        QCOMPARE(photo->currentValue(title), QStringLiteral("café, lake, evening, Zürich"));
        QCOMPARE(sidecar->currentValue(title), QStringLiteral("boats, dawn, mist, harbour"));
    }

    // Entries that cannot act leave the editor as it was.
    void entriesThatCannotActChangeNothing_data()
    {
        QTest::addColumn<int>("index");
        cases_.clear();
        auto row = [this](const char* name, const QList<Entry>& entries) {
            QTest::newRow(name) << int(cases_.size());
            cases_.append({QStringLiteral("photo.jpg"), entries, {}, {}, {}});
        };
        const QString thumbnail = QStringLiteral("IFD1:ThumbnailImage");
        row("text action on binary data", {action(thumbnail, Action::uppercase), action(thumbnail, Action::trimWhiteSpace)});
        row("appending to binary data", {custom(thumbnail, QStringLiteral("x"), Insertion::append)});
        row("copying binary data", {copy(QStringLiteral("IFD0:ImageDescription"), thumbnail, Formatter::pretty)});
        row("text action on a missing tag", {action(QStringLiteral("IFD0:Software"), Action::uppercase),
                                             search(QStringLiteral("IFD0:Software"), QStringLiteral(".*"), QStringLiteral("x"),
                                                    QStringLiteral("r"))});
        row("a tag that cannot be written", {custom(QStringLiteral("Composite:ImageSize"), QStringLiteral("1x1")),
                                             action(QStringLiteral("File:FileType"), Action::remove)});
        row("sorting a single value", {action(QStringLiteral("XMP-dc:Title"), Action::sortDescending)});
        row("restoring an unedited tag", {action(QStringLiteral("IPTC:City"), Action::restoreOriginal)});
        row("a date edition that makes no date", {custom(QStringLiteral("ExifIFD:DateTimeOriginal"), QStringLiteral("select(day=31,month=4)"))});
        row("keep", {Entry(tag(QStringLiteral("IPTC:City")), PresetEdition::keepCurrentValue())});
    }

    void entriesThatCannotActChangeNothing()
    {
        QFETCH(int, index);
        const EditorPtr editor = open(test::copyFixture(QDir(dir_->path()), QStringLiteral("photo.jpg")));
        QCOMPARE(applyPresetEntries({editor}, cases_.at(index).entries), QList<LocalizedText>());
        QVERIFY(!editor->hasEdits());
    }

    void invalidPatternIsReportedOnceAndChangesNothing()
    {
        const EditorPtr first = open(test::copyFixture(QDir(dir_->path()), QStringLiteral("photo.jpg")));
        const EditorPtr second = open(test::copyFixture(QDir(dir_->path()), QStringLiteral("photo.jpg"), QStringLiteral("b.jpg")));
        const Entry broken = search(QStringLiteral("XMP-dc:Title"), QStringLiteral("(Café"), QStringLiteral("x"), QStringLiteral("r"));
        const QList<LocalizedText> problems =
            applyPresetEntries({first, second}, {broken, broken, action(QStringLiteral("IPTC:City"), Action::uppercase)});
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.at(0).key, QStringLiteral("PresetSearchPatternError"));
        QCOMPARE(problems.at(0).arguments.at(0).toString(), QStringLiteral("(Café"));
        // The other entries still act.
        for (const EditorPtr& editor : {first, second}) {
            QCOMPARE(editor->editedTags(), QList<TagName>{tag(QStringLiteral("IPTC:City"))});
            QCOMPARE(editor->currentValue(tag(QStringLiteral("IPTC:City"))), QStringLiteral("ZÜRICH"));
        }
    }

    // The task edits what it was given when it was made, as one edition, and reports a broken
    // pattern.
    void presetTaskIsOneEditionOverWhatItWasGiven()
    {
        const EditorPtr photo = open(test::copyFixture(QDir(dir_->path()), QStringLiteral("photo.jpg")));
        const EditorPtr sidecar = open(test::copyFixture(QDir(dir_->path()), QStringLiteral("sidecar.xmp")));
        const TagName subject = tag(QStringLiteral("XMP-dc:Subject"));
        const auto preset = std::make_shared<PresetItem>(
            QStringLiteral("P"), QString(),
            QList<Entry>{action(QStringLiteral("XMP-dc:Subject"), Action::uppercase),
                         search(QStringLiteral("XMP-dc:Title"), QStringLiteral("(x"), QString(), QStringLiteral("r"))});
        QList<EditorPtr> selection{photo, sidecar};
        const auto task = std::make_shared<ApplyPresetTask>(selection, preset->entries());
        preset->modifyEntries([](QList<Entry>& entries) { entries.clear(); });
        selection.clear();

        test::FlushRecorder flushes;
        TaskManager::shared().add(task);
        test::waitForSharedTasks();
        QVERIFY(task->isEdition());
        QCOMPARE(task->status(), AbstractTask::Status::finished);
        QCOMPARE(task->messages().size(), 1);
        QCOMPARE(task->messages().at(0).severity, TaskMessage::Severity::error);
        QCOMPARE(task->messages().at(0).reason.key, QStringLiteral("PresetSearchPatternError"));
        QCOMPARE(photo->currentValues(subject),
                 QStringList({QStringLiteral("CAFÉ"), QStringLiteral("ZÜRICH"), QStringLiteral("LAKE, EVENING")}));
        QCOMPARE(sidecar->currentValues(subject),
                 QStringList({QStringLiteral("HARBOUR"), QStringLiteral("BOATS"), QStringLiteral("DAWN, MIST")}));

        QVERIFY(flushes.allWell());
        QCOMPARE(flushes.editions().size(), 1);
        const HistoryEdition& history = flushes.editions().at(0);
        QCOMPARE(history.entries().size(), 2);
        QCOMPARE(history.entries().at(0).identity, photo.get());
        QCOMPARE(history.entries().at(1).identity, sidecar.get());
        QCOMPARE(history.tagNames({photo, sidecar}), QList<TagName>{subject});
    }

    void directCallFlushesOnce()
    {
        const EditorPtr photo = open(test::copyFixture(QDir(dir_->path()), QStringLiteral("photo.jpg")));
        test::FlushRecorder flushes;
        applyPresetEntries({photo}, {custom(QStringLiteral("XMP-dc:Title"), QStringLiteral("A")),
                                     action(QStringLiteral("IPTC:City"), Action::uppercase),
                                     action(QStringLiteral("IFD0:Make"), Action::restoreOriginal)});
        QCoreApplication::processEvents();
        QVERIFY(flushes.allWell());
        QCOMPARE(flushes.editions().size(), 1);
        QCOMPARE(flushes.editions().at(0).tagNames({photo}),
                 QList<TagName>({tag(QStringLiteral("XMP-dc:Title")), tag(QStringLiteral("IPTC:City"))}));
    }

private:
    EditorPtr open(const QString& path)
    {
        const auto task = test::importFiles({path}, pool_.get());
        if (task->editors().size() != 1)
            qFatal("could not open %s", qPrintable(path));
        return task->editors().first();
    }

    SaveTagEditorsTask::Settings saveSettings(const QList<EditorPtr>& editors)
    {
        SaveTagEditorsTask::Settings settings;
        settings.editors = editors;
        settings.pool = pool_.get();
        return settings;
    }

    std::optional<QTemporaryDir> dir_;
    std::unique_ptr<ostrak::ExifToolPool> pool_;
    QList<ApplyCase> cases_;
};

QTEST_GUILESS_MAIN(ApplyPresetEntriesTest)
#include "ApplyPresetEntriesTest.moc"
