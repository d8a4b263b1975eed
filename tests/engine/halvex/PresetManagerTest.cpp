#include "engine/halvex/libraries/PresetFile.h"
#include "engine/halvex/libraries/PresetManager.h"

#include "LibraryTestSupport.h"

#include <QJsonArray>
#include <QtTest>

using namespace halvex;
using librarytest::contents;
using librarytest::errorOf;
using librarytest::ListRecorder;
using librarytest::put;
using ostrak::TagName;

namespace {

using Edition = LibraryListEdition;
using Entry = PresetItem::Entry;
using Action = UseCustomActionSettings::Action;
using Formatter = CopyTagValueSettings::Formatter;
using Insertion = PresetValueInsertion;

// Every edition case, with every setting away from its default somewhere, texts outside ASCII,
// quotes, commas and line breaks.
QList<Entry> everyEdition()
{
    const TagName keywords(QStringLiteral("XMP-dc"), QStringLiteral("Subject"));
    QList<Entry> entries{Entry(TagName(QStringLiteral("Keys"), QStringLiteral("Title")), PresetEdition::keepCurrentValue())};
    for (Action action : brisa::allCases<Action>())
        entries.append(Entry(keywords, PresetEdition::useCustomAction({action})));
    for (Formatter formatter : CopyTagValueSettings::allFormatterCases()) {
        for (Insertion insertion : CopyTagValueSettings::allInsertionCases()) {
            entries.append(Entry(TagName(QStringLiteral("IFD0"), QStringLiteral("ImageDescription")),
                                 PresetEdition::copyTagValue(
                                     {TagName(QStringLiteral("Track1:Copy1"), QStringLiteral("HandlerType")), formatter,
                                      insertion})));
        }
    }
    for (Insertion insertion : UseCustomValueSettings::allInsertionCases()) {
        entries.append(Entry(TagName(QStringLiteral("ItemList"), QStringLiteral("Comment")),
                             PresetEdition::useCustomValue(
                                 {QStringLiteral("Zürich, \"the lake\"\nsecond line 👪 \\ /"), insertion})));
    }
    entries.append(Entry(TagName(QStringLiteral("ItemList"), QStringLiteral("Genre")), PresetEdition::useCustomValue({})));
    entries.append(Entry(TagName(QStringLiteral("ExifIFD"), QStringLiteral("DateTimeOriginal")),
                         PresetEdition::useCustomValue({QStringLiteral("shift(day=-1,hour=2)"), Insertion::replace})));
    entries.append(Entry(keywords, PresetEdition::searchAndReplace({QStringLiteral("(\\w+), (\\w+)"),
                                                                    QStringLiteral("$2 \\$ $1"), true, true, true, true})));
    entries.append(Entry(keywords, PresetEdition::searchAndReplace({QStringLiteral("É"), QString(), false, true, false, false})));
    entries.append(Entry(keywords, PresetEdition::searchAndReplace({QString(), QStringLiteral("x"), true, false, true, false})));
    return entries;
}

QList<PresetGroupPtr> sample()
{
    auto everything = std::make_shared<PresetItem>(QStringLiteral("Tout, « vraiment » 🏖"),
                                                    QStringLiteral("Sur deux\nlignes"), everyEdition());
    auto empty = std::make_shared<PresetItem>(QString(), QString(), QList<Entry>());
    auto sort = std::make_shared<PresetItem>(
        QStringLiteral("Sort"), QStringLiteral(" "),
        QList<Entry>{Entry(TagName(QStringLiteral("IPTC"), QStringLiteral("Keywords")),
                           PresetEdition::useCustomAction({Action::sortDescending}))});
    return {
        std::make_shared<PresetGroup>(QStringLiteral("Vidéos d’été"), QStringLiteral("Group, with \"quotes\""),
                                      QList<PresetItemPtr>{everything, empty}),
        std::make_shared<PresetGroup>(QString(), QString(), QList<PresetItemPtr>()),
        std::make_shared<PresetGroup>(QStringLiteral("東京"), QString(), QList<PresetItemPtr>{sort}),
    };
}

// The whole content of a library, so that two compare (and print) as text.
QString describe(const QList<PresetGroupPtr>& groups)
{
    return QString::fromUtf8(QJsonDocument(brisa::JsonCoding<QList<PresetGroupPtr>>::encode(groups).toArray())
                                 .toJson(QJsonDocument::Indented));
}

// Equal content, field by field, in new objects.
void verifySameGroups(const QList<PresetGroupPtr>& actual, const QList<PresetGroupPtr>& expected)
{
    QCOMPARE(describe(actual), describe(expected));
    QCOMPARE(actual.size(), expected.size());
    for (int g = 0; g < expected.size(); ++g) {
        QVERIFY(actual.at(g) != expected.at(g));
        QCOMPARE(actual.at(g)->name(), expected.at(g)->name());
        QCOMPARE(actual.at(g)->detail(), expected.at(g)->detail());
        QCOMPARE(actual.at(g)->presets().size(), expected.at(g)->presets().size());
        for (int p = 0; p < expected.at(g)->presets().size(); ++p) {
            const PresetItem& preset = *actual.at(g)->presets().at(p);
            const PresetItem& original = *expected.at(g)->presets().at(p);
            QVERIFY(&preset != &original);
            QCOMPARE(preset.name(), original.name());
            QCOMPARE(preset.detail(), original.detail());
            QVERIFY(preset.entries() == original.entries());
        }
    }
}

PresetGroupPtr group(const QString& name, const QList<PresetItemPtr>& presets = {})
{
    return std::make_shared<PresetGroup>(name, QString(), presets);
}

PresetItemPtr preset(const QString& name)
{
    return std::make_shared<PresetItem>(name, QString(), QList<Entry>());
}

} // namespace

class PresetManagerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.reset(new QTemporaryDir);
        QVERIFY(folder_->isValid());
        path_ = folder_->filePath(QStringLiteral("Presets.json"));
    }

    void sharedManagerStoresInTheDataFolder()
    {
        PresetManager& shared = PresetManager::shared();
        QCOMPARE(&shared, &PresetManager::shared());
        shared.setGroups({group(QStringLiteral("Shared"))});
        shared.save();
        QVERIFY(QFile::exists(LibraryFile::dataPath(QStringLiteral("Presets.json"))));
    }

    void savedLibraryLoadsBackUnchanged()
    {
        PresetManager saved(path_);
        const QList<PresetGroupPtr> groups = sample();
        saved.setGroups(groups);
        saved.save();
        const QByteArray file = contents(path_);

        PresetManager loaded(path_);
        loaded.load();
        verifySameGroups(loaded.groups(), groups);
        const QList<Entry>& entries = loaded.groups().at(0)->presets().at(0)->entries();
        QCOMPARE(entries.size(), everyEdition().size());
        QCOMPARE(entries.at(1).edition.customActionSettings()->action, Action::remove);
        QCOMPARE(entries.at(8).edition.customActionSettings()->code(), 7);
        const CopyTagValueSettings copy = *entries.at(14).edition.copyTagValueSettings();
        QCOMPARE(copy.tagName, TagName(QStringLiteral("Track1:Copy1"), QStringLiteral("HandlerType")));
        QCOMPARE(copy.formatter, Formatter::pretty);
        QCOMPARE(copy.insertion, Insertion::append);
        const SearchAndReplaceSettings search = *entries.at(entries.size() - 3).edition.searchAndReplaceSettings();
        QCOMPARE(search.replaceString, QStringLiteral("$2 \\$ $1"));
        QVERIFY(search.ignoreCase && search.ignoreDiacritic && search.ignoreWidth && search.useRegex);

        loaded.save();
        QCOMPARE(contents(path_), file);
        // A person can read what each entry does.
        for (const char* text : {"\"sortDescending\"", "\"capitalize\"", "\"pretty\"", "\"prepend\"",
                                 "\"shift(day=-1,hour=2)\"", "\"ignoreDiacritic\": true", "\"name\": \"東京\""})
            QVERIFY2(file.contains(text), text);
    }

    void missingLibraryStartsEmpty()
    {
        PresetManager manager(path_);
        manager.load();
        QVERIFY(manager.groups().isEmpty());
        QVERIFY(!QFile::exists(path_));
    }

    void unreadableLibraryThrowsAndResetKeepsItAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1: the file

        QTest::newRow("not JSON") << QByteArray("[{\"name\": \"Trip\", \"presets\": [")
                                  << QStringLiteral("LibraryFileJSONError(%1, unterminated array, 1, 31)");
        QTest::newRow("empty") << QByteArray("  \n") << QStringLiteral("LibraryFileEmptyError(%1)");
        QTest::newRow("a preset file")
            << QByteArray("{\"format\": \"Corvelle presets\", \"groups\": []}")
            << QStringLiteral("LibraryFileTopContentError(%1)");
        QTest::newRow("unknown edition")
            << QByteArray("[{\"name\": \"G\", \"presets\": [{\"name\": \"P\", \"entries\": [{\"tagName\": "
                          "{\"group\": \"IPTC\", \"name\": \"City\"}, \"edition\": {\"shuffle\": {}}}]}]}]")
            << QStringLiteral("LibraryFileWrongValueError(%1, Index 0 / presets / Index 0 / entries / Index 0 / edition)");
        QTest::newRow("unknown action")
            << QByteArray("[{\"name\": \"G\", \"presets\": [{\"name\": \"P\", \"entries\": [{\"tagName\": "
                          "{\"group\": \"IPTC\", \"name\": \"City\"}, \"edition\": {\"useCustomAction\": "
                          "{\"_0\": {\"action\": \"shuffle\"}}}}]}]}]")
            << QStringLiteral("LibraryFileInvalidValueError(%1, Index 0 / presets / Index 0 / entries / Index 0 / edition / "
                              "useCustomAction / _0 / action, Expected one of \"remove\", \"restoreOriginal\", "
                              "\"lowercase\", \"uppercase\", \"capitalize\", \"trimWhiteSpace\", \"sortAscending\", "
                              "\"sortDescending\" but found \"shuffle\" instead.)");
    }

    void unreadableLibraryThrowsAndResetKeepsItAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        librarytest::verifyUnreadableLibraryIsKeptAside(path_, bytes, error.arg(path_), sample(),
                                                        &PresetManager::setGroups, &PresetManager::groups);
    }

    void failedSaveIsReportedAndTheOldFileStays()
    {
        PresetManager manager(path_);
        manager.setGroups(sample());
        librarytest::verifyFailedSaveKeepsTheOldFile(manager, path_, [&manager] {
            manager.groups().at(1)->insertPresets({std::make_shared<PresetItem>(*manager.groups().at(0)->presets().at(0))}, 0);
        });
    }

    void exportedFileImportsAsEqualItems()
    {
        const QList<PresetGroupPtr> groups = sample();
        const QString exported = folder_->filePath(QStringLiteral("Library.cvpresets"));
        PresetFile(groups).exportTo(exported);
        verifySameGroups(PresetFile::from(exported).groups(), groups);
        const QByteArray text = contents(exported);
        QVERIFY(text.contains("\"format\": \"Corvelle presets\""));
        QVERIFY(text.contains("\"name\": \"Vidéos d’été\""));

        // One preset alone, in a file of its own form, comes back in a group without a name.
        const QString single = folder_->filePath(QStringLiteral("One.CVPRESET"));
        const PresetItemPtr everything = groups.at(0)->presets().at(0);
        PresetFile({std::make_shared<PresetGroup>(QStringLiteral("Ignored"), QString(),
                                                  QList<PresetItemPtr>{everything})})
            .exportTo(single);
        QVERIFY(contents(single).contains("\"format\": \"Corvelle preset\""));
        verifySameGroups(PresetFile::from(single).groups(),
                         {std::make_shared<PresetGroup>(QString(), QString(), QList<PresetItemPtr>{everything})});

        // Exporting over a file replaces it.
        PresetFile({groups.at(2)}).exportTo(exported);
        verifySameGroups(PresetFile::from(exported).groups(), {groups.at(2)});
    }

    void singlePresetFileRefusesSeveralPresets()
    {
        const QString single = folder_->filePath(QStringLiteral("Two.cvpreset"));
        put(single, "old");
        QCOMPARE(errorOf([&] { PresetFile({sample().at(0)}).exportTo(single); }),
                 QStringLiteral("PresetFileSinglePresetError(%1, 2)").arg(single));
        QCOMPARE(errorOf([&] { PresetFile({group(QStringLiteral("None"))}).exportTo(single); }),
                 QStringLiteral("PresetFileSinglePresetError(%1, 0)").arg(single));
        QCOMPARE(contents(single), QByteArray("old"));
    }

    void malformedImportThrowsAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1: the file

        const QString context = QStringLiteral("PresetFileError(%1) ");
        const QByteArray head = "{\"format\": \"Corvelle presets\", \"groups\": [{\"name\": \"G\", \"presets\": "
                                "[{\"name\": \"P\", \"entries\": [";
        const QByteArray tail = "]}]}]}";
        const QString where = QStringLiteral("groups / Index 0 / presets / Index 0 / entries / Index 0");
        QTest::newRow("not JSON") << QByteArray("{\"format\": \"Corvelle presets\",\n\"groups\": [}")
                                  << context + QStringLiteral("LibraryFileJSONError(%1, object is missing after a comma, 2, 13)");
        QTest::newRow("empty") << QByteArray() << context + QStringLiteral("LibraryFileEmptyError(%1)");
        QTest::newRow("the library file")
            << QByteArray("[{\"name\": \"G\"}]")
            << context + QStringLiteral("LibraryFileTopContentError(%1)");
        QTest::newRow("another format")
            << QByteArray("{\"format\": \"Corvelle remote profiles\", \"profiles\": []}")
            << context + QStringLiteral("LibraryFileInvalidValueError(%1, format, Expected \"Corvelle presets\" or \"Corvelle "
                                        "preset\" but found \"Corvelle remote profiles\" instead: this is not a preset file.)");
        QTest::newRow("no format")
            << QByteArray("{\"groups\": []}")
            << context + QStringLiteral("LibraryFileMissingValueError(%1, format)");
        QTest::newRow("one-preset file without its preset")
            << QByteArray("{\"format\": \"Corvelle preset\", \"groups\": []}")
            << context + QStringLiteral("LibraryFileMissingValueError(%1, preset)");
        QTest::newRow("group without name")
            << QByteArray("{\"format\": \"Corvelle presets\", \"groups\": [{\"name\": \"A\"}, {\"detail\": \"B\"}]}")
            << context + QStringLiteral("LibraryFileMissingValueError(%1, groups / Index 1 / name)");
        QTest::newRow("tag name not a tag")
            << head + "{\"tagName\": \"IPTC:City\", \"edition\": {\"keepCurrentValue\": {}}}" + tail
            << context + QStringLiteral("LibraryFileWrongValueError(%1, %2 / tagName)").arg(QStringLiteral("%1"), where);
        QTest::newRow("two edition cases")
            << head + "{\"tagName\": {\"group\": \"IPTC\", \"name\": \"City\"}, \"edition\": {\"keepCurrentValue\": {}, "
                      "\"useCustomValue\": {\"_0\": {\"value\": \"x\"}}}}" + tail
            << context + QStringLiteral("LibraryFileWrongValueError(%1, %2 / edition)").arg(QStringLiteral("%1"), where);
        QTest::newRow("unknown insertion")
            << head + "{\"tagName\": {\"group\": \"IPTC\", \"name\": \"City\"}, \"edition\": {\"useCustomValue\": "
                      "{\"_0\": {\"value\": \"x\", \"insertion\": \"Append\"}}}}" + tail
            << context + QStringLiteral("LibraryFileInvalidValueError(%1, %2 / edition / useCustomValue / _0 / insertion, "
                                        "Expected one of \"replace\", \"prepend\", \"append\" but found \"Append\" "
                                        "instead.)").arg(QStringLiteral("%1"), where);
        QTest::newRow("option not a bool")
            << head + "{\"tagName\": {\"group\": \"IPTC\", \"name\": \"City\"}, \"edition\": {\"searchAndReplace\": "
                      "{\"_0\": {\"searchString\": \"a\", \"useRegex\": \"yes\"}}}}" + tail
            << context + QStringLiteral("LibraryFileWrongValueError(%1, %2 / edition / searchAndReplace / _0 / useRegex)").arg(QStringLiteral("%1"), where);
        QTest::newRow("copy without its tag")
            << head + "{\"tagName\": {\"group\": \"IPTC\", \"name\": \"City\"}, \"edition\": {\"copyTagValue\": "
                      "{\"_0\": {\"formatter\": \"raw\"}}}}" + tail
            << context + QStringLiteral("LibraryFileMissingValueError(%1, %2 / edition / copyTagValue / _0 / tagName)").arg(QStringLiteral("%1"), where);
    }

    void malformedImportThrowsAndChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        PresetManager manager(path_);
        manager.setGroups(sample());
        manager.save();
        const QByteArray library = contents(path_);
        const QString before = describe(manager.groups());

        const QString path = folder_->filePath(QStringLiteral("Broken.cvpresets"));
        put(path, bytes);
        ListRecorder recorder({PresetManager::didChangeGroupsNotification});
        QCOMPARE(errorOf([&] { manager.insertGroups(PresetFile::from(path).groups(), int(manager.groups().size())); }),
                 error.arg(path));
        QVERIFY(recorder.take().isEmpty());
        QCOMPARE(describe(manager.groups()), before);
        QCOMPARE(contents(path_), library);
        QCOMPARE(contents(path), bytes);
    }

    void unreadableImportNamesTheFile()
    {
        const QString missing = folder_->filePath(QStringLiteral("Missing.cvpresets"));
        QCOMPARE(errorOf([&missing] { PresetFile::from(missing); }),
                 QStringLiteral("PresetFileError(%1) FileMissingError(%1)").arg(missing));
        const QString folder = folder_->filePath(QStringLiteral("Folder.cvpreset"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(errorOf([&folder] { PresetFile::from(folder); }),
                 QStringLiteral("PresetFileError(%1) FileFolderError(%1)").arg(folder));
    }

    void failedExportLeavesTheOldFile()
    {
        const QString exported = folder_->filePath(QStringLiteral("Presets.cvpresets"));
        PresetFile({sample().at(2)}).exportTo(exported);
        const QByteArray old = contents(exported);

        QString error;
        {
            const librarytest::FileSizeLimit limit(old.size());
            error = errorOf([&] { PresetFile(sample()).exportTo(exported); });
        }
        QVERIFY2(librarytest::isWriteError(error, exported), qPrintable(error));
        QCOMPARE(contents(exported), old);
        QCOMPARE(librarytest::folderEntries(folder_->path()), QStringList{QStringLiteral("Presets.cvpresets")});
    }

    void selectionPostsOnlyRealChanges()
    {
        PresetManager manager(path_);
        const PresetItemPtr p = preset(QStringLiteral("P"));
        const PresetItemPtr twin = preset(QStringLiteral("P")); // equal content, another preset
        const PresetGroupPtr a = group(QStringLiteral("A"), {p, twin});
        const PresetGroupPtr b = group(QStringLiteral("B"));
        const PresetItemPtr stranger = preset(QStringLiteral("Not in the library"));
        manager.setGroups({a, b});
        ListRecorder recorder({PresetManager::didChangeGroupsNotification});
        using List = QList<EquatableObjectPtr>;

        // (objects to select, selection afterwards, notes)
        const QList<std::tuple<List, List, int>> steps{
            {{a}, {a}, 1},         {{a}, {a}, 0},         {{a, p}, {a, p}, 1}, {{p, a}, {p, a}, 1},
            {{p, a}, {p, a}, 0},   {{twin}, {twin}, 1},   {{p}, {p}, 1},       {{}, {}, 1},
            {{}, {}, 0},           {{stranger}, {}, 0},   {{stranger, b}, {b}, 1},
        };
        for (const auto& [selected, expected, posts] : steps) {
            manager.setSelectedObjects(selected);
            QCOMPARE(manager.selectedObjects(), expected);
            recorder.expectSelections(posts, &manager);
        }

        // A removed group leaves the selection with its presets before the removal is told.
        manager.setSelectedObjects({b, p, a});
        recorder.take();
        List seenSelection;
        brisa::NoteSubscriber observer;
        observer.subscribe(PresetManager::didChangeGroupsNotification, &manager,
                           [&](const brisa::Notification&) { seenSelection = manager.selectedObjects(); });
        manager.removeGroups({0});
        recorder.expectOne(PresetManager::didChangeGroupsNotification, &manager, Edition::removal({0}));
        QCOMPARE(seenSelection, List{b});

        // A preset removed from its group leaves the selection when the selection is set again,
        // as the outline does after each change.
        manager.insertGroups({a}, 0);
        manager.setSelectedObjects({a, p});
        recorder.take();
        a->removePresets({0});
        manager.setSelectedObjects({a, p});
        recorder.expectOne(PresetManager::didChangeGroupsNotification, &manager, Edition::selection());
        QCOMPARE(manager.selectedObjects(), List{a});
        manager.setGroups({b});
        QCOMPARE(manager.selectedObjects(), List());
    }

    void editsPostTheirChange()
    {
        PresetManager manager(path_);
        const QString groupsChanged = PresetManager::didChangeGroupsNotification;
        const QString presetsChanged = PresetGroup::didChangePresetsNotification;
        const QString groupInfo = PresetGroup::didChangeInfoNotification;
        const QString presetInfo = PresetItem::didChangeInfoNotification;
        const QString entriesChanged = PresetItem::didChangeEntriesNotification;
        ListRecorder recorder({groupsChanged, presetsChanged, groupInfo, presetInfo, entriesChanged});
        manager.load();
        recorder.expectOne(groupsChanged, &manager, Edition::reload());

        const QList<PresetGroupPtr> groups = sample();
        manager.insertGroups(groups, 5);
        recorder.expectOne(groupsChanged, &manager, Edition::insertion({0, 1, 2}));
        manager.removeGroups({1, 7});
        recorder.expectOne(groupsChanged, &manager, Edition::removal({1}));
        manager.removeGroups({7});
        QVERIFY(recorder.take().isEmpty());

        const PresetGroupPtr g = groups.at(0);
        const PresetItemPtr added = preset(QStringLiteral("Added"));
        g->insertPresets({added}, 1);
        recorder.expectOne(presetsChanged, g.get(), Edition::insertion({1}));
        QCOMPARE(g->presets().at(1), added);
        g->removePresets({0, 2, 3});
        recorder.expectOne(presetsChanged, g.get(), Edition::removal({0, 2}));
        QCOMPARE(g->presets(), QList<PresetItemPtr>{added});
        QCOMPARE(PresetGroup::presetGroupEdition({presetsChanged, g.get(), Edition::removal({4}).userInfo()}),
                 std::optional<Edition>(Edition::removal({4})));
        QCOMPARE(PresetGroup::presetGroupEdition({groupsChanged, g.get(), Edition::removal({4}).userInfo()}),
                 std::nullopt);
        QCOMPARE(PresetManager::groupEdition({groupsChanged, &manager, Edition::selection().userInfo()}),
                 std::optional<Edition>(Edition::selection()));
        QCOMPARE(PresetManager::groupEdition({groupsChanged, &manager, {}}), std::nullopt);
        QCOMPARE(PresetManager::groupEdition({presetsChanged, &manager, Edition::reload().userInfo()}), std::nullopt);

        const Entry entry(TagName(QStringLiteral("IPTC"), QStringLiteral("City")), PresetEdition::useCustomValue({}));
        const QList<std::tuple<std::function<void()>, QString, const void*>> writes{
            {[&] { g->setName(QStringLiteral("Renamed")); }, groupInfo, g.get()},
            {[&] { g->setDetail(QStringLiteral("Described")); }, groupInfo, g.get()},
            {[&] { added->setName(QStringLiteral("Renamed")); }, presetInfo, added.get()},
            {[&] { added->setDetail(QStringLiteral("Described")); }, presetInfo, added.get()},
            {[&] { added->insertEntries({entry, entry}, 9); }, entriesChanged, added.get()},
            {[&] { added->modifyEntries([](QList<Entry>& entries) { entries.move(0, 1); }); }, entriesChanged, nullptr},
            {[&] { added->modifyEntries([&](QList<Entry>& entries) { entries.append(entry); }); }, entriesChanged, added.get()},
            {[&] { added->removeEntries({5}); }, entriesChanged, nullptr},
            {[&] { added->removeEntries({0, 2}); }, entriesChanged, added.get()},
            {[&] { g->setName(QStringLiteral("Renamed")); }, groupInfo, nullptr},
            {[&] { added->setDetail(QStringLiteral("Described")); }, presetInfo, nullptr},
        };
        // A write that changes nothing (an equal entry moved, nothing at that place, the same
        // text) posts nothing.
        for (const auto& [write, name, object] : writes) {
            write();
            if (object)
                recorder.expectOne(name, object, std::nullopt);
            else
                QVERIFY(recorder.take().isEmpty());
        }
        QCOMPARE(added->entries(), QList<Entry>{entry});
    }

    void copiesAreNewObjectsWithEqualContent()
    {
        const PresetGroupPtr original = sample().at(0);
        ListRecorder recorder({PresetGroup::didChangePresetsNotification, PresetItem::didChangeEntriesNotification});
        const PresetGroup copy(*original);
        verifySameGroups({std::make_shared<PresetGroup>(copy)}, {original});
        for (int i = 0; i < copy.presets().size(); ++i)
            QVERIFY(copy.presets().at(i) != original->presets().at(i));
        const PresetItem presetCopy(*original->presets().at(0));
        QCOMPARE(presetCopy.name(), original->presets().at(0)->name());
        QVERIFY(presetCopy.entries() == original->presets().at(0)->entries());
        QVERIFY(recorder.take().isEmpty());
    }

    void addedPresetGoesLastAndIsStored()
    {
        PresetManager manager(path_);
        ListRecorder recorder({PresetManager::didChangeGroupsNotification, PresetGroup::didChangePresetsNotification});
        const PresetItemPtr first = preset(QStringLiteral("First"));
        manager.addPreset(first);
        recorder.expectOne(PresetManager::didChangeGroupsNotification, &manager, Edition::insertion({0}));
        QCOMPARE(manager.groups().size(), 1);
        QCOMPARE(manager.groups().at(0)->name(), QString());
        QCOMPARE(manager.groups().at(0)->presets(), QList<PresetItemPtr>{first});

        const PresetGroupPtr last = group(QStringLiteral("Last"), {preset(QStringLiteral("Old"))});
        manager.insertGroups({last}, 1);
        recorder.take();
        const PresetItemPtr second = preset(QStringLiteral("Second"));
        manager.addPreset(second);
        recorder.expectOne(PresetGroup::didChangePresetsNotification, last.get(), Edition::insertion({1}));

        PresetManager stored(path_);
        stored.load();
        QCOMPARE(stored.groups().size(), 2);
        QCOMPARE(stored.groups().at(1)->presets().at(1)->name(), QStringLiteral("Second"));
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString path_;
};

QTEST_GUILESS_MAIN(PresetManagerTest)
#include "PresetManagerTest.moc"
