#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/ExifToolPool.h"
#include "platform/brisa/core/KeyedJson.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/NotificationCenter.h"

#include "TagEditorTestSupport.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace halvex;
using ostrak::TagName;
using Domain = TagSetManager::Domain;
using Editors = QList<std::shared_ptr<TagEditor>>;
using Filter = TagValueTable::Filter;
using Constraint = Filter::StringConstraint;
using Kind = MultiValuedString::Kind;

Q_DECLARE_METATYPE(Filter::ValueEditionConstraint)
Q_DECLARE_METATYPE(Filter::ValueStateConstraint)
Q_DECLARE_METATYPE(brisa::DecodingError::Kind)
Q_DECLARE_METATYPE(MultiValuedString::Kind)

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

// An editor over values held in memory, for a file that need not exist.
std::shared_ptr<TagEditor> memoryEditor(const QString& fileName, const QList<std::pair<QString, QString>>& values = {})
{
    TagStorage storage(TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/nowhere/") + fileName)));
    for (const auto& [name, value] : values)
        storage.setValue(tag(name), TagValue(value));
    return std::make_shared<TagEditor>(std::move(storage));
}

TagSet tagSet(const QStringList& entries)
{
    QList<TagSet::FlatEntry> flat;
    for (const QString& entry : entries) {
        if (entry.startsWith(u'#'))
            flat.append(TagSection(entry.mid(1)));
        else
            flat.append(tag(entry));
    }
    return TagSet(flat);
}

void setChosenTags(TagSetManager& tagSets, const QStringList& entries)
{
    tagSets.replace(Domain::chosen, [&entries](const TagSet&) { return tagSet(entries); });
}

// "#Section" for a heading, the tag name for a row.
QStringList layout(const TagValueTable::Content& content)
{
    QStringList lines;
    for (const auto& entry : content.entries())
        lines << (entry.isSection() ? u'#' + entry.section().title() : entry.tagName()->rawValue());
    return lines;
}

int indexOf(const TagValueTable::Content& content, const QString& tagName)
{
    return int(layout(content).indexOf(tagName));
}

const TagValueTable::RowValue& row(const TagValueTable::Content& content, const QString& tagName)
{
    const int index = indexOf(content, tagName);
    if (index < 0)
        qFatal("no row %s", qPrintable(tagName));
    return content.entries().at(index).rowValue();
}

QString describe(const MultiValuedString& value)
{
    switch (value.kind()) {
    case Kind::single:
        return QStringLiteral("\"%1\"").arg(*value.value());
    case Kind::multiple:
        return QStringLiteral("several");
    case Kind::none:
        break;
    }
    return QStringLiteral("none");
}

QString describe(const std::optional<TagValueTable::ReloadType>& type)
{
    if (!type)
        return QStringLiteral("no kind");
    switch (type->kind()) {
    case TagValueTable::ReloadType::Kind::reloadAll:
        return QStringLiteral("reload all");
    case TagValueTable::ReloadType::Kind::reselect:
        return QStringLiteral("reselect");
    case TagValueTable::ReloadType::Kind::changedEntries:
        break;
    }
    if (!type->changedEntryIndexes())
        return QStringLiteral("changed: all");
    QStringList indexes;
    for (int index : *type->changedEntryIndexes())
        indexes << QString::number(index);
    return QStringLiteral("changed: ") + indexes.join(u',');
}

// The reload notes of one table, as delivered.
class ReloadRecorder {
public:
    explicit ReloadRecorder(const TagValueTable& table)
    {
        subscriber_.subscribe(TagValueTable::didReloadNotification, &table, [this](const brisa::Notification& note) {
            kinds << describe(TagValueTable::reloadType(note));
            onMainThread << (QThread::currentThread() == QCoreApplication::instance()->thread());
        });
    }

    QStringList kinds;
    QList<bool> onMainThread;

private:
    brisa::NoteSubscriber subscriber_;
};

// An edition task that runs until released.
class HeldEdition : public AbstractTask {
public:
    QSemaphore started;
    QSemaphore release;

    bool isEdition() const override { return true; }

protected:
    void run() override
    {
        started.release();
        release.acquire();
    }
};

TagValueTable::Request requestFor(const Editors& editors, std::optional<Identified<TagValueTable::RowContentProvider>> provider = std::nullopt)
{
    TagValueTable::Request request(Domain::chosen, std::move(provider));
    request.editors = editors;
    return request;
}

} // namespace

class TagValueTableTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ostrak::ExifToolPool pool_{2};
    QHash<QString, std::shared_ptr<TagEditor>> files_;
    std::unique_ptr<TagSetManager> tagSets_;
    TaskManager tasks_;

    TagValueTable::Content contentFor(const Editors& editors, const Filter& filter = {})
    {
        TagValueTable table(requestFor(editors), *tagSets_, tasks_);
        TagValueTable::Request request = table.latestRequest();
        request.filter = filter;
        table.reload(request);
        return table.content();
    }

    Editors filesNamed(const QStringList& keys) const
    {
        Editors editors;
        for (const QString& key : keys)
            editors << files_.value(key);
        return editors;
    }

    // Two files: a title they share, a genre they do not, an artist neither has, a keys title
    // edited in one so that both show the same, and a date.
    Editors filterFixture()
    {
        setChosenTags(*tagSets_, {"#Movie", "ItemList:Title", "ItemList:Genre", "ItemList:Artist", "#Empty", "#Other",
                                  "Keys:Title", "ExifIFD:DateTimeOriginal"});
        auto first = memoryEditor("first.mp4", {{"ItemList:Title", "Eiffel Tower at Dusk"},
                                                {"ItemList:Genre", "Documentary"},
                                                {"Keys:Title", "Keys title"},
                                                {"ExifIFD:DateTimeOriginal", "2022:07:14 18:45:12"}});
        auto second = memoryEditor("second.mp4", {{"ItemList:Title", "Eiffel Tower at Dusk"},
                                                  {"ItemList:Genre", "Drama"},
                                                  {"Keys:Title", "Old title"},
                                                  {"ExifIFD:DateTimeOriginal", "2022:07:14 18:45:12"}});
        second->setValue(QStringLiteral("Keys title"), tag("Keys:Title"));
        return {first, second};
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        const QDir dir(dir_.path());
        const QList<std::pair<QString, QString>> copies{{"mp4", "movie.mp4"}, {"mp4b", "movie.mp4"}, {"mp4c", "movie.mp4"},
                                                        {"mov", "movie.mov"}, {"m4a", "audio.m4a"}};
        QStringList paths;
        for (const auto& [key, fixture] : copies)
            paths << test::copyFixture(dir, fixture, key + u'.' + fixture.section(u'.', -1));
        const auto task = test::importFiles(paths, &pool_);
        QVERIFY(task->messages().isEmpty());
        QCOMPARE(task->editors().size(), copies.size());
        for (qsizetype i = 0; i < copies.size(); ++i)
            files_.insert(copies.at(i).first, task->editors().at(i));
    }

    void init()
    {
        QDir(dir_.filePath(QStringLiteral("library"))).removeRecursively();
        tagSets_ = std::make_unique<TagSetManager>(dir_.filePath(QStringLiteral("library")));
        setChosenTags(*tagSets_, {"#Movie", "ItemList:Title", "ItemList:Genre", "ItemList:Artist", "Keys:Title",
                                  "UserData:Title", "ItemList:TVNetworkName", "System:FileSize", "#XMP", "XMP-dc:Title"});
    }

    void cleanup()
    {
        for (const auto& editor : std::as_const(files_))
            editor->restoreAllValues();
    }

    void rowsOfFixtureFiles_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("tagName");
        QTest::addColumn<Kind>("state");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("writable");

        const QStringList copies{"mp4", "mp4b", "mp4c"};
        const QStringList three{"mp4", "mov", "m4a"};
        QTest::newRow("one file: its value") << QStringList{"mp4"} << "ItemList:Title" << Kind::single
                                             << "Eiffel Tower at Dusk" << true;
        QTest::newRow("one file: a tag it lacks") << QStringList{"mov"} << "ItemList:Title" << Kind::none << "" << true;
        QTest::newRow("one file: a printed value ExifTool cannot write")
            << QStringList{"mp4"} << "System:FileSize" << Kind::single << "11 kB" << false;
        QTest::newRow("three copies: their common value") << copies << "ItemList:Genre" << Kind::single << "Documentary" << true;
        QTest::newRow("three files, two values and a lack") << three << "Keys:Title" << Kind::multiple << "" << true;
        QTest::newRow("two copies and a file lacking the tag")
            << QStringList{"mp4", "mp4b", "mov"} << "ItemList:Artist" << Kind::multiple << "" << true;
        QTest::newRow("a tag no file has") << three << "ItemList:TVNetworkName" << Kind::none << "" << true;
    }

    void rowsOfFixtureFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, tagName);
        QFETCH(Kind, state);
        QFETCH(QString, text);
        QFETCH(bool, writable);

        const auto content = contentFor(filesNamed(files));
        QCOMPARE(layout(content), (QStringList{"#Movie", "ItemList:Title", "ItemList:Genre", "ItemList:Artist", "Keys:Title",
                                               "UserData:Title", "ItemList:TVNetworkName", "System:FileSize", "#XMP",
                                               "XMP-dc:Title"}));
        const auto& rowValue = row(content, tagName);
        QCOMPARE(rowValue.valueState(), state);
        QCOMPARE(rowValue.valueText(), text);
        QCOMPARE(rowValue.isEdited(), false);
        QCOMPARE(rowValue.isWritable(), writable);
        QCOMPARE(rowValue.tagItem().tagName(), tag(tagName));
    }

    // Edits count as the current value, and mark the row edited in whichever file they are.
    void editsShowInRows()
    {
        const Editors copies = filesNamed({"mp4", "mp4b", "mp4c"});
        TagValueTable table(requestFor(copies), *tagSets_, tasks_);
        const auto current = [&table] {
            table.reload(table.latestRequest());
            const auto content = table.content();
            return QStringList{describe(row(content, "ItemList:Title").value()),
                               QString::number(row(content, "ItemList:Title").isEdited()),
                               describe(row(content, "ItemList:Genre").value()),
                               QString::number(row(content, "ItemList:Genre").isEdited())};
        };
        QCOMPARE(current(), (QStringList{"\"Eiffel Tower at Dusk\"", "0", "\"Documentary\"", "0"}));

        copies.at(1)->setValue(QStringLiteral("Other title"), tag("ItemList:Title"));
        QCOMPARE(current(), (QStringList{"several", "1", "\"Documentary\"", "0"}));

        for (const auto& editor : copies)
            editor->setValue(QStringLiteral("Other title"), tag("ItemList:Title"));
        QCOMPARE(current(), (QStringList{"\"Other title\"", "1", "\"Documentary\"", "0"}));

        for (const auto& editor : copies)
            editor->clearValue(tag("ItemList:Genre"));
        QCOMPARE(current(), (QStringList{"\"Other title\"", "1", "none", "1"}));

        for (const auto& editor : copies)
            editor->restoreAllValues();
        QCOMPARE(current(), (QStringList{"\"Eiffel Tower at Dusk\"", "0", "\"Documentary\"", "0"}));
    }

    void writableRows_data()
    {
        QTest::addColumn<QStringList>("fileNames");
        QTest::addColumn<QString>("tagName");
        QTest::addColumn<bool>("writable");

        QTest::newRow("a movie's writable tag") << QStringList{"clip.mp4"} << "ItemList:Title" << true;
        QTest::newRow("a tag ExifTool only reads") << QStringList{"clip.mp4"} << "System:FileSize" << false;
        QTest::newRow("a tag the database does not know") << QStringList{"clip.mp4"} << "ItemList:NoSuchTag" << false;
        QTest::newRow("one file of a type ExifTool cannot write")
            << QStringList{"clip.mp4", "clip.avi"} << "ItemList:Title" << false;
        QTest::newRow("extension in capitals") << QStringList{"CLIP.MOV"} << "ItemList:Title" << true;
        QTest::newRow("a folder takes edits into its files") << QStringList{"/folder"} << "ItemList:Title" << true;
        QTest::newRow("no file") << QStringList{} << "ItemList:Title" << false;
    }

    void writableRows()
    {
        QFETCH(QStringList, fileNames);
        QFETCH(QString, tagName);
        QFETCH(bool, writable);

        setChosenTags(*tagSets_, {tagName});
        Editors editors;
        for (const QString& name : fileNames) {
            if (name.startsWith(u'/'))
                editors << std::make_shared<ETTagEditor>(TagStorage(TagStorageSource(QUrl::fromLocalFile(dir_.path()))));
            else
                editors << memoryEditor(name, {{tagName, "value"}});
        }
        const auto content = contentFor(editors);
        QCOMPARE(row(content, tagName).isWritable(), writable);
    }

    void filter_data()
    {
        QTest::addColumn<Filter>("filter");
        QTest::addColumn<QStringList>("expected");

        const auto filter = [](Constraint name, Constraint value, Filter::ValueEditionConstraint edition,
                               Filter::ValueStateConstraint state) { return Filter{name, value, edition, state}; };
        using E = Filter::ValueEditionConstraint;
        using S = Filter::ValueStateConstraint;
        const QStringList all{"#Movie", "ItemList:Title", "ItemList:Genre", "ItemList:Artist", "#Empty", "#Other",
                              "Keys:Title", "ExifIFD:DateTimeOriginal"};

        QTest::newRow("nothing constrained, empty sections kept") << Filter{} << all;
        QTest::newRow("an empty plain text constrains nothing")
            << filter(Constraint::plainText(""), Constraint::plainText(""), E::ignore, S::ignore) << all;
        QTest::newRow("name text in any case")
            << filter(Constraint::plainText("TITLE"), {}, E::ignore, S::ignore)
            << QStringList{"#Movie", "ItemList:Title", "#Other", "Keys:Title"};
        QTest::newRow("name text found in the title only")
            << filter(Constraint::plainText("date/time"), {}, E::ignore, S::ignore)
            << QStringList{"#Other", "ExifIFD:DateTimeOriginal"};
        QTest::newRow("name pattern in any case")
            << filter(Constraint::regularExpression("^itemlist:(title|artist)$"), {}, E::ignore, S::ignore)
            << QStringList{"#Movie", "ItemList:Title", "ItemList:Artist"};
        QTest::newRow("a broken pattern matches nothing")
            << filter(Constraint::regularExpression("(title"), {}, E::ignore, S::ignore) << QStringList{};
        QTest::newRow("value text") << filter({}, Constraint::plainText("dusk"), E::ignore, S::ignore)
                                    << QStringList{"#Movie", "ItemList:Title"};
        QTest::newRow("value pattern") << filter({}, Constraint::regularExpression("^keys\\s"), E::ignore, S::ignore)
                                       << QStringList{"#Other", "Keys:Title"};
        QTest::newRow("one file's value is not the row's value")
            << filter({}, Constraint::plainText("Drama"), E::ignore, S::ignore) << QStringList{};
        QTest::newRow("edited") << filter({}, {}, E::edited, S::ignore) << QStringList{"#Other", "Keys:Title"};
        QTest::newRow("unedited") << filter({}, {}, E::unedited, S::ignore)
                                  << QStringList{"#Movie", "ItemList:Title", "ItemList:Genre", "ItemList:Artist",
                                                 "#Other", "ExifIFD:DateTimeOriginal"};
        QTest::newRow("with a value, several values included")
            << filter({}, {}, E::ignore, S::withValue)
            << QStringList{"#Movie", "ItemList:Title", "ItemList:Genre", "#Other", "Keys:Title", "ExifIFD:DateTimeOriginal"};
        QTest::newRow("without a value") << filter({}, {}, E::ignore, S::withoutValue)
                                         << QStringList{"#Movie", "ItemList:Artist"};
        QTest::newRow("every constraint at once")
            << filter(Constraint::plainText("title"), Constraint::plainText("KEYS"), E::edited, S::withValue)
            << QStringList{"#Other", "Keys:Title"};
    }

    void filter()
    {
        QFETCH(Filter, filter);
        QFETCH(QStringList, expected);
        QVERIFY(ostrak::TagItem::itemEXIFDateTimeOriginal().title().contains(QStringLiteral("Date/Time")));
        const Editors editors = filterFixture();

        const auto content = contentFor(editors, filter);
        QCOMPARE(layout(content), expected);
        QCOMPARE(content.request().filter, filter);
        // The select command applies the filter to the rows of an unfiltered table.
        const auto unfiltered = contentFor(editors);
        for (const auto& entry : unfiltered.entries()) {
            if (entry.isRow())
                QCOMPARE(filter.filter(entry.rowValue()), expected.contains(entry.tagName()->rawValue()));
        }
    }

    void filterJsonRoundTrip_data()
    {
        QTest::addColumn<Filter>("filter");
        QTest::addColumn<QByteArray>("json");

        QTest::newRow("constrains nothing")
            << Filter{}
            << QByteArray(R"({"nameConstraint":{"none":{}},"valueConstraint":{"none":{}},"valueEdition":"ignore","valueState":"ignore"})");
        QTest::newRow("every part set")
            << Filter{Constraint::plainText("Title"), Constraint::regularExpression("^Z\u00FCrich|caf\u00E9$"),
                      Filter::ValueEditionConstraint::unedited, Filter::ValueStateConstraint::withoutValue}
            << QByteArray(R"({"nameConstraint":{"plainText":{"_0":"Title"}},"valueConstraint":{"regularExpression":{"_0":"^Z)"
                          "\xC3\xBC" R"(rich|caf)" "\xC3\xA9" R"($"}},"valueEdition":"unedited","valueState":"withoutValue"})");
        QTest::newRow("an empty plain text stays itself")
            << Filter{Constraint::plainText(""), {}, Filter::ValueEditionConstraint::edited, Filter::ValueStateConstraint::withValue}
            << QByteArray(R"({"nameConstraint":{"plainText":{"_0":""}},"valueConstraint":{"none":{}},"valueEdition":"edited","valueState":"withValue"})");
    }

    void filterJsonRoundTrip()
    {
        QFETCH(Filter, filter);
        QFETCH(QByteArray, json);
        QCOMPARE(brisa::encodeJson(filter), json);
        QCOMPARE(brisa::decodeJson<Filter>(json), filter);
    }

    void filterJsonWrongShapes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<brisa::DecodingError::Kind>("kind");
        QTest::addColumn<QStringList>("codingPath");

        using K = brisa::DecodingError::Kind;
        const QByteArray none = R"({"none":{}})";
        const auto filter = [&none](const QByteArray& name, const QByteArray& edition) -> QByteArray {
            return "{\"nameConstraint\":" + name + ",\"valueConstraint\":" + none + ",\"valueEdition\":" + edition
                 + ",\"valueState\":\"ignore\"}";
        };
        QTest::newRow("an array") << QByteArray("[]") << K::TypeMismatch << QStringList{};
        QTest::newRow("null") << QByteArray("null") << K::ValueNotFound << QStringList{};
        QTest::newRow("value state missing")
            << QByteArray(R"({"nameConstraint":{"none":{}},"valueConstraint":{"none":{}},"valueEdition":"ignore"})")
            << K::KeyNotFound << QStringList{};
        QTest::newRow("a constraint of no known case")
            << filter(R"({"contains":{"_0":"x"}})", R"("ignore")") << K::TypeMismatch << QStringList{"nameConstraint"};
        QTest::newRow("a constraint of two cases")
            << filter(R"({"none":{},"plainText":{"_0":"x"}})", R"("ignore")") << K::TypeMismatch
            << QStringList{"nameConstraint"};
        QTest::newRow("a text that is a number")
            << filter(R"({"plainText":{"_0":3}})", R"("ignore")") << K::TypeMismatch
            << QStringList{"nameConstraint", "plainText", "_0"};
        QTest::newRow("a text without its payload")
            << filter(R"({"regularExpression":{}})", R"("ignore")") << K::KeyNotFound
            << QStringList{"nameConstraint", "regularExpression"};
        QTest::newRow("an edition of no known case")
            << filter(none, R"("sometimes")") << K::DataCorrupted << QStringList{"valueEdition"};
        QTest::newRow("an edition by its position") << filter(none, "1") << K::TypeMismatch << QStringList{"valueEdition"};
        QTest::newRow("broken text") << QByteArray(R"({"nameConstraint":)") << K::DataCorrupted << QStringList{};
    }

    void filterJsonWrongShapes()
    {
        QFETCH(QByteArray, json);
        QFETCH(brisa::DecodingError::Kind, kind);
        QFETCH(QStringList, codingPath);
        try {
            brisa::decodeJson<Filter>(json);
            QFAIL("decoded");
        } catch (const brisa::DecodingError& error) {
            QCOMPARE(error.kind(), kind);
            QCOMPARE(error.codingPath(), codingPath);
        }
    }

    void valueSetOfSelectedRows_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("common");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("writable");

        QTest::newRow("nothing selected") << QStringList{} << "none" << false << false;
        QTest::newRow("one row") << QStringList{"ItemList:Title"} << "\"Eiffel Tower at Dusk\"" << false << true;
        QTest::newRow("one row of several values") << QStringList{"ItemList:Genre"} << "several" << false << true;
        QTest::newRow("two rows sharing their value")
            << QStringList{"ItemList:Title", "UserData:Title"} << "\"Eiffel Tower at Dusk\"" << false << true;
        QTest::newRow("a value and none") << QStringList{"ItemList:Title", "ItemList:Artist"} << "several" << false << true;
        QTest::newRow("none and none") << QStringList{"ItemList:Artist", "ItemList:Album"} << "none" << false << true;
        QTest::newRow("an edited row") << QStringList{"ItemList:Title", "Keys:Title"} << "several" << true << true;
        QTest::newRow("a row ExifTool cannot write")
            << QStringList{"ItemList:Title", "System:FileSize"} << "several" << false << false;
    }

    void valueSetOfSelectedRows()
    {
        QFETCH(QStringList, selected);
        QFETCH(QString, common);
        QFETCH(bool, edited);
        QFETCH(bool, writable);

        setChosenTags(*tagSets_, {"#Movie", "ItemList:Title", "UserData:Title", "ItemList:Genre", "ItemList:Artist",
                                  "ItemList:Album", "Keys:Title", "System:FileSize"});
        const QList<std::pair<QString, QString>> shared{{"ItemList:Title", "Eiffel Tower at Dusk"},
                                                        {"UserData:Title", "Eiffel Tower at Dusk"},
                                                        {"Keys:Title", "Keys title"},
                                                        {"System:FileSize", "11 kB"}};
        auto first = memoryEditor("first.mp4", shared + QList<std::pair<QString, QString>>{{"ItemList:Genre", "Documentary"}});
        auto second = memoryEditor("second.mp4", shared + QList<std::pair<QString, QString>>{{"ItemList:Genre", "Drama"}});
        second->setValue(QStringLiteral("Other"), tag("Keys:Title"));
        const Editors editors{first, second};

        TagValueTable table(requestFor(editors), *tagSets_, tasks_);
        TagValueTable::Request request = table.latestRequest();
        // A section heading is never selected.
        request.selectedEntryIndexes.insert(0);
        for (const QString& name : selected)
            request.selectedEntryIndexes.insert(indexOf(table.content(), name));
        table.reload(request);

        const auto valueSet = table.content().valueSet();
        QVERIFY(!table.content().selectedEntryIndexes().contains(0));
        QCOMPARE(describe(valueSet.commonValue()), common);
        QCOMPARE(valueSet.isEdited(), edited);
        QCOMPARE(valueSet.isWritable(), writable);
        QCOMPARE(valueSet.editors(), editors);
        QList<ostrak::TagItem> items;
        for (const QString& name : selected)
            items << TagEditor::tagItem(tag(name));
        QCOMPARE(valueSet.tagItems(), items);
        // The same set as one made of the editors and the items.
        QVERIFY(valueSet == TagValueTable::ValueSet(editors, items));
    }

    // Equal sets hold the same tags and the same editors, in the same order.
    void valueSetEquality()
    {
        const auto a = memoryEditor("a.mp4", {{"ItemList:Title", "Same"}});
        const auto b = memoryEditor("b.mp4", {{"ItemList:Title", "Same"}});
        const auto aTwin = memoryEditor("a.mp4", {{"ItemList:Title", "Same"}});
        const ostrak::TagItem title = TagEditor::tagItem(tag("ItemList:Title"));
        const ostrak::TagItem genre = TagEditor::tagItem(tag("ItemList:Genre"));
        using ValueSet = TagValueTable::ValueSet;

        QVERIFY(ValueSet({a, b}, {title, genre}) == ValueSet({a, b}, {title, genre}));
        QVERIFY(!(ValueSet({a, b}, {title}) == ValueSet({aTwin, b}, {title})));
        QVERIFY(!(ValueSet({a, b}, {title}) == ValueSet({b, a}, {title})));
        QVERIFY(!(ValueSet({a}, {title, genre}) == ValueSet({a}, {genre, title})));
        b->setValue(QStringLiteral("Other"), tag("ItemList:Title"));
        QVERIFY(!(ValueSet({a, b}, {title}) == ValueSet({a, aTwin}, {title})));
    }

    void valueSetChoices()
    {
        const auto editor = memoryEditor("photo.jpg");
        const ostrak::TagItem orientation = TagEditor::tagItem(tag("IFD0:Orientation"));
        const ostrak::TagItem metering = TagEditor::tagItem(tag("ExifIFD:MeteringMode"));
        const ostrak::TagItem make = TagEditor::tagItem(tag("IFD0:Make"));
        QVERIFY(!orientation.choices().isEmpty() && !metering.choices().isEmpty());

        QCOMPARE(TagValueTable::ValueSet({editor}, {orientation}).choices(), orientation.choices());
        // Only the stored values every tag takes, with the first tag's descriptions.
        ostrak::TagItem::Choices common;
        for (const auto& choice : orientation.choices()) {
            if (metering.indexOfValue(choice.first))
                common << choice;
        }
        QVERIFY(!common.isEmpty() && common.size() < orientation.choices().size());
        QCOMPARE(TagValueTable::ValueSet({editor}, {orientation, metering}).choices(), common);
        QVERIFY(TagValueTable::ValueSet({editor}, {orientation, make}).choices().isEmpty());
        QVERIFY(TagValueTable::ValueSet({editor}, QList<ostrak::TagItem>()).choices().isEmpty());
    }

    // The selection names places in the content shown; when the entries change, the same tags
    // stay selected.
    void selectionFollowsTags()
    {
        const Editors editors = filterFixture();
        TagValueTable table(requestFor(editors), *tagSets_, tasks_);
        TagValueTable::Request request = table.latestRequest();
        request.selectedEntryIndexes = brisa::IndexSet{indexOf(table.content(), "Keys:Title"), 0, 99};
        table.reload(request);
        QCOMPARE(table.content().names(table.content().selectedEntryIndexes()), QList<TagName>{tag("Keys:Title")});

        request = table.latestRequest();
        request.filter.valueEdition = Filter::ValueEditionConstraint::edited;
        table.reload(request);
        QCOMPARE(layout(table.content()), (QStringList{"#Other", "Keys:Title"}));
        QCOMPARE(table.content().selectedEntryIndexes(), brisa::IndexSet{1});
        QCOMPARE(table.latestRequest().selectedEntryIndexes, brisa::IndexSet{1});
        QCOMPARE(table.content().valueSet().tagItems(), QList<ostrak::TagItem>{TagEditor::tagItem(tag("Keys:Title"))});

        // A tag the filter hides is no longer selected, and stays unselected when shown again.
        request = table.latestRequest();
        request.filter.valueEdition = Filter::ValueEditionConstraint::unedited;
        table.reload(request);
        QVERIFY(table.content().selectedEntryIndexes().isEmpty());
        request = table.latestRequest();
        request.filter = {};
        table.reload(request);
        QVERIFY(table.content().selectedEntryIndexes().isEmpty());
    }

    void reissueWithNewEditors()
    {
        TagValueTable table(requestFor({}), *tagSets_, tasks_);
        QVERIFY(table.content().editors().isEmpty());
        QCOMPARE(row(table.content(), "ItemList:Title").valueState(), Kind::none);

        TagValueTable::Request request = table.latestRequest();
        request.editors = filesNamed({"mp4", "mp4b"});
        table.reload(request);
        QCOMPARE(table.content().editors(), filesNamed({"mp4", "mp4b"}));
        QCOMPARE(table.latestRequest().editors, filesNamed({"mp4", "mp4b"}));
        QCOMPARE(row(table.content(), "ItemList:Title").valueText(), QStringLiteral("Eiffel Tower at Dusk"));

        request = table.latestRequest();
        request.editors = filesNamed({"m4a"});
        table.reload(request);
        QCOMPARE(table.content().editors(), filesNamed({"m4a"}));
        QCOMPARE(row(table.content(), "ItemList:Title").valueText(), QStringLiteral("Fixture Tone"));
    }

    // Each reload says what changed, and the row provider makes again only what changed.
    void reloadKinds()
    {
        setChosenTags(*tagSets_, {"#Movie", "ItemList:Title", "ItemList:Genre", "Keys:Title"});
        const auto first = memoryEditor("first.mp4", {{"ItemList:Title", "One"}, {"ItemList:Genre", "Drama"}});
        const auto second = memoryEditor("second.mp4", {{"ItemList:Title", "One"}, {"ItemList:Genre", "Drama"}});
        QStringList made;
        const TagValueTable::RowContentProvider provider = [&made](const TagValueTable::RowValue& row) {
            made << row.tagItem().tagName().rawValue();
            return QVariant(row.tagItem().tagName().rawValue() + u'=' + row.valueText());
        };
        TagValueTable table(requestFor({first, second}, Identified(provider)), *tagSets_, tasks_);
        QCOMPARE(made, (QStringList{"ItemList:Title", "ItemList:Genre", "Keys:Title"}));
        QCOMPARE(table.content().entries().at(1).content().toString(), QStringLiteral("ItemList:Title=One"));
        QVERIFY(!table.content().entries().at(0).content().isValid());
        ReloadRecorder recorder(table);
        const auto reload = [&](const std::function<void(TagValueTable::Request&)>& change) -> QString {
            made.clear();
            TagValueTable::Request request = table.latestRequest();
            change(request);
            table.reload(request);
            return recorder.kinds.takeLast() + QStringLiteral(" / made: ") + made.join(u',');
        };

        QCOMPARE(reload([](auto& request) { request.selectedEntryIndexes = {1}; }), QStringLiteral("reselect / made: "));
        QCOMPARE(reload([](auto&) {}), QStringLiteral("changed:  / made: "));
        // An edit of a shown editor is an edition: its history flush reloads the table.
        const auto edited = [&](const std::function<void()>& edit) -> QString {
            made.clear();
            edit();
            return recorder.kinds.takeLast() + QStringLiteral(" / made: ") + made.join(u',');
        };
        QCOMPARE(edited([&] { second->setValue(QStringLiteral("Two"), tag("ItemList:Title")); }),
                 QStringLiteral("changed: 1 / made: ItemList:Title"));
        QCOMPARE(table.content().entries().at(1).content().toString(), QStringLiteral("ItemList:Title="));
        QCOMPARE(reload([](auto& request) { request.rowContentProvider = request.rowContentProvider->renewed(); }),
                 QStringLiteral("changed: 1,2,3 / made: ItemList:Title,ItemList:Genre,Keys:Title"));
        QCOMPARE(edited([&] { first->setValue(QStringLiteral("Rock"), tag("ItemList:Genre")); }),
                 QStringLiteral("changed: 2 / made: ItemList:Genre"));
        QCOMPARE(reload([](auto& request) { request.selectedEntryIndexes = {2}; }), QStringLiteral("reselect / made: "));
        QCOMPARE(reload([](auto& request) { request.filter.valueState = Filter::ValueStateConstraint::withValue; }),
                 QStringLiteral("reload all / made: "));
        QCOMPARE(reload([&](auto& request) { request.editors = {first}; }),
                 QStringLiteral("changed: 1,2 / made: ItemList:Title,ItemList:Genre"));
        // Under a filter an edition can show a row that was hidden: every row is read again.
        QVERIFY(!layout(table.content()).contains(QStringLiteral("Keys:Title")));
        QCOMPARE(edited([&] { first->setValue(QStringLiteral("Heading"), tag("Keys:Title")); }),
                 QStringLiteral("reload all / made: Keys:Title"));
        QVERIFY(layout(table.content()).contains(QStringLiteral("Keys:Title")));
        QCOMPARE(recorder.onMainThread, QList<bool>(9, true));

        QVERIFY(!TagValueTable::reloadType({QStringLiteral("OtherNotification"), &table, {}}));
        QVERIFY(!TagValueTable::reloadType({TagValueTable::didReloadNotification, &table, {}}));
    }

    // After an edit of the shown tag set, and after an edition of shown editors, the table
    // reloads by itself; every note reaches the main thread, whichever thread the change came from.
    void reloadsByItself()
    {
        const Editors editors = filesNamed({"mp4", "mov"});
        TagValueTable table(requestFor(editors), *tagSets_, tasks_);
        ReloadRecorder recorder(table);

        tagSets_->insert(Domain::chosen, {tag("ItemList:Album")}, 1);
        QCOMPARE(recorder.kinds, QStringList{"reload all"});
        QCOMPARE(layout(table.content()).at(1), QStringLiteral("ItemList:Album"));
        tagSets_->insert(Domain::popular, {tag("ItemList:Album")}, 0);
        QCOMPARE(recorder.kinds.size(), 1);

        const auto foreign = memoryEditor("foreign.mp4");
        table.reloadAfterEdition({foreign.get()});
        QCOMPARE(recorder.kinds.size(), 1);

        QThread* worker = QThread::create([&] {
            editors.at(1)->setValue(QStringLiteral("Edited"), tag("Keys:Title"));
        });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;
        QTRY_COMPARE(recorder.kinds.size(), 2);
        QCOMPARE(recorder.kinds.last(), QStringLiteral("changed: %1").arg(indexOf(table.content(), "Keys:Title")));
        QVERIFY(row(table.content(), "Keys:Title").isEdited());

        worker = QThread::create([&] {
            TagValueTable::Request request = table.latestRequest();
            request.selectedEntryIndexes = {indexOf(table.content(), "Keys:Title")};
            table.reload(request);
        });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;
        QTRY_COMPARE(recorder.kinds.size(), 3);
        QCOMPARE(recorder.kinds.last(), QStringLiteral("reselect"));
        QCOMPARE(recorder.onMainThread, QList<bool>(3, true));
    }

    // A table destroyed before a reload asked from another thread arrives is left alone.
    void reloadAfterTheTableIsGone()
    {
        auto table = std::make_unique<TagValueTable>(requestFor({}), *tagSets_, tasks_);
        QThread* worker = QThread::create([&] { table->reload(table->latestRequest()); });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;
        table.reset();
        QCoreApplication::processEvents();
    }

    void lockedWhileAnEditionIsPending()
    {
        TagValueTable empty(requestFor({}), *tagSets_, tasks_);
        TagValueTable shown(requestFor(filesNamed({"mp4"})), *tagSets_, tasks_);
        QVERIFY(!shown.isLocked());

        const auto edition = std::make_shared<HeldEdition>();
        tasks_.add(edition);
        QVERIFY(edition->started.tryAcquire(1, 10000));
        QVERIFY(shown.isLocked());
        QVERIFY(!empty.isLocked());
        edition->release.release();
        QTRY_VERIFY(edition->isDone());
        QTRY_VERIFY(!shown.isLocked());
    }

    // Values alike within each run of editors read together and different between runs still
    // make several values.
    void thousandEditors()
    {
        setChosenTags(*tagSets_, {"ItemList:Title", "ItemList:Genre", "ItemList:Artist", "ItemList:Album",
                                  "ItemList:Composer", "ItemList:Comment", "ItemList:Grouping"});
        Editors editors;
        for (int i = 0; i < 1000; ++i) {
            QList<std::pair<QString, QString>> values{
                {"ItemList:Title", "Shared"},
                {"ItemList:Genre", i == 999 ? "Last" : "Same"},
                {"ItemList:Artist", i < 256 ? "First run" : "Later runs"},
                {"ItemList:Comment", i == 600 ? "Odd" : "Even"},
            };
            if (i == 700)
                values << std::pair<QString, QString>{"ItemList:Composer", "Only one"};
            if (i == 999)
                values << std::pair<QString, QString>{"ItemList:Grouping", "Grouped"};
            editors << memoryEditor(QStringLiteral("clip-%1.mp4").arg(i), values);
        }
        editors.at(600)->setValue(QStringLiteral("Even"), tag("ItemList:Comment"));
        editors.at(999)->clearValue(tag("ItemList:Grouping"));

        const auto content = contentFor(editors);
        QStringList rows;
        for (const auto& entry : content.entries())
            rows << entry.tagName()->name() + u' ' + describe(entry.rowValue().value())
                        + (entry.rowValue().isEdited() ? QStringLiteral(" edited") : QString());
        QCOMPARE(rows, (QStringList{"Title \"Shared\"", "Genre several", "Artist several", "Album none",
                                    "Composer several", "Comment \"Even\" edited", "Grouping none edited"}));
        QVERIFY(row(content, "ItemList:Title").isWritable());
    }
};

QTEST_GUILESS_MAIN(TagValueTableTest)
#include "TagValueTableTest.moc"
