#include "editing/EditingTestSupport.h"
#include "engine/halvex/EndToEndTestSupport.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "tags/EditorEditionCache.h"

#include <QtTest>

using corvelle::EditorEditionCache;
using corvelle::test::tagItem;
using halvex::test::EndToEnd;
using Editors = QList<std::shared_ptr<halvex::TagEditor>>;

namespace {

EditorEditionCache cacheOf(const Editors& editors, const QList<const char*>& tags)
{
    QList<ostrak::TagItem> items;
    for (const char* tag : tags)
        items.append(tagItem(tag));
    return EditorEditionCache(EditorEditionCache::ValueSet(editors, items));
}

// The tasks added since the last call; the shared manager keeps only the latest done ones.
int queuedTaskCount()
{
    return int(halvex::TaskManager::shared().tasks().size());
}

void forgetDoneTasks()
{
    QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), 60000);
    halvex::TaskManager::shared().clearFinishedTasks();
}

} // namespace

// The cache's operations on copies of the fixtures: each writing one queues one edition task on
// the shared manager, and what it staged, once saved, is what ExifTool reads in the files.
class EditorEditionCacheTest : public QObject {
    Q_OBJECT

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), 60000);
    }

private Q_SLOTS:
    // First: the shared pasteboard holds no text before any test copies one.
    void pastingWithoutTextQueuesNothing()
    {
        EndToEnd e;
        const auto editor = e.open(e.copy(QStringLiteral("photo.jpg")));
        QVERIFY(editor);
        QVERIFY(!halvex::TagPasteboard::shared().text());
        forgetDoneTasks();
        const int before = queuedTaskCount();
        QVERIFY(!cacheOf({editor}, {"XMP-dc:Title"}).pasteValues());
        QCOMPARE(queuedTaskCount(), before);
    }

    void valueEditorKindsDecideTheFilteredSetAndTheFirstStep()
    {
        const EditorEditionCache same = cacheOf({}, {"XMP-dc:Title", "IPTC:ObjectName"});
        QVERIFY(!same.hasMixedEditionTypes());
        QCOMPARE(same.filteredValueSet(), same.originalValueSet());
        QCOMPARE(same.firstStep(), EditorEditionCache::Step::tagEdition);

        const EditorEditionCache mixed = cacheOf({}, {"XMP-dc:Title", "IFD0:XResolution"});
        QVERIFY(mixed.hasMixedEditionTypes());
        QVERIFY(!mixed.filteredValueSet());
        QCOMPARE(mixed.valueSet(), mixed.originalValueSet());
        QCOMPARE(mixed.firstStep(), EditorEditionCache::Step::tagSelection);

        const EditorEditionCache empty;
        QVERIFY(!empty.valueSet() && !empty.hasMixedEditionTypes() && !empty.isWritable());
        QVERIFY(!empty.copyValues() && !empty.cutValues() && !empty.restoreValues() && !empty.clearValues()
                && !empty.forceValues());
    }

    void eachOperationIsSavedIntoEveryFile_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<QStringList>("expected");

        const QStringList titles{QStringLiteral("XMP-dc:Title"), QStringLiteral("IPTC:ObjectName")};
        QTest::newRow("value") << "value" << "Harbour at noon" << titles
                               << QStringList{"Harbour at noon", "Harbour at noon"};
        // The number tag refuses the text and keeps its value; the title takes it.
        QTest::newRow("value refused by one tag")
            << "value" << "not a number" << QStringList{"XMP-dc:Title", "IFD0:XResolution"}
            << QStringList{"not a number", "72"};
        QTest::newRow("raw value") << "raw" << "300" << QStringList{"IFD0:XResolution", "IFD0:YResolution"}
                                   << QStringList{"300", "300"};
        QTest::newRow("clear") << "clear" << "" << titles << QStringList{"-", "-"};
        QTest::newRow("cut") << "cut" << "" << titles << QStringList{"-", "-"};
        QTest::newRow("force") << "force" << "" << QStringList{"IPTC:City", "XMP-photoshop:City"}
                               << QStringList{"Zürich", "Zürich"};
        // An edit staged earlier is dropped again.
        QTest::newRow("restore") << "restore" << "" << titles
                                 << QStringList{"Café in Zürich", "Café in Zürich"};
    }

    void eachOperationIsSavedIntoEveryFile()
    {
        QFETCH(QString, operation);
        QFETCH(QString, argument);
        QFETCH(QStringList, tags);
        QFETCH(QStringList, expected);

        EndToEnd e;
        const QStringList paths{e.copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg")),
                                e.copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"))};
        const Editors editors = e.open(paths);
        QCOMPARE(editors.size(), 2);
        QList<ostrak::TagItem> items;
        for (const QString& tag : tags)
            items.append(tagItem(tag.toUtf8().constData()));

        if (operation == QLatin1String("restore")) {
            EditorEditionCache(EditorEditionCache::ValueSet(editors, items)).applyValue(QStringLiteral("Staged"));
            waitForTasks();
            QVERIFY(editors.first()->hasEdits());
        }
        const EditorEditionCache cache(EditorEditionCache::ValueSet(editors, items));
        forgetDoneTasks();
        const int before = queuedTaskCount();
        if (operation == QLatin1String("value"))
            cache.applyValue(argument);
        else if (operation == QLatin1String("raw"))
            cache.applyRawValue(argument);
        else if (operation == QLatin1String("clear"))
            QVERIFY(cache.clearValues());
        else if (operation == QLatin1String("cut"))
            QVERIFY(cache.cutValues());
        else if (operation == QLatin1String("force"))
            QVERIFY(cache.forceValues());
        else if (operation == QLatin1String("restore"))
            QVERIFY(cache.restoreValues());

        // One task for the whole list, edited as one list when it runs, and without a label.
        const auto tasks = halvex::TaskManager::shared().tasks();
        QCOMPARE(int(tasks.size()), before + 1);
        const auto task = std::dynamic_pointer_cast<halvex::EditionTask>(tasks.last());
        QVERIFY(task);
        QVERIFY(task->editors().isEmpty());
        QVERIFY(!task->label());
        waitForTasks();
        if (operation == QLatin1String("cut"))
            QCOMPARE(halvex::TagPasteboard::shared().text(), QStringLiteral("Café in Zürich"));
        if (operation == QLatin1String("force")) {
            for (const auto& editor : editors)
                QVERIFY(editor->isEdited(items.first().tagName()));
        }

        QCOMPARE(e.save(editors), QString());
        for (const QString& path : paths)
            QCOMPARE(EndToEnd::read(path, tags).split(QLatin1Char('\n')), expected);
    }

    void copiedValueIsPastedIntoOtherTags()
    {
        EndToEnd e;
        const QString source = e.copy(QStringLiteral("photo.jpg"), QStringLiteral("source.jpg"));
        const QString target = e.copy(QStringLiteral("movie.mp4"), QStringLiteral("target.mp4"));
        const auto sourceEditor = e.open(source);
        const auto targetEditor = e.open(target);
        QVERIFY(sourceEditor && targetEditor);

        QVERIFY(cacheOf({sourceEditor}, {"IPTC:City"}).copyValues());
        QCOMPARE(halvex::TagPasteboard::shared().text(), QStringLiteral("Zürich"));
        QVERIFY(cacheOf({targetEditor}, {"ItemList:Title", "Keys:Title"}).pasteValues());
        waitForTasks();
        QCOMPARE(e.save({targetEditor}), QString());
        QCOMPARE(EndToEnd::read(target, {QStringLiteral("ItemList:Title"), QStringLiteral("Keys:Title")}),
                 QStringLiteral("Zürich\nZürich"));
        QCOMPARE(EndToEnd::read(source, {QStringLiteral("IPTC:City")}), QStringLiteral("Zürich"));
    }

    // Tags that differ in value cannot be copied or cut; tags that cannot be written are left.
    void refusedOperationsChangeNothing()
    {
        EndToEnd e;
        const auto photo = e.open(e.copy(QStringLiteral("photo.jpg")));
        QVERIFY(photo);
        halvex::TagPasteboard::shared().setText(QStringLiteral("kept"));
        forgetDoneTasks();
        const int before = queuedTaskCount();

        const EditorEditionCache differing = cacheOf({photo}, {"IFD0:Make", "IFD0:Model"});
        QVERIFY(differing.isWritable() && !differing.hasSingleValue());
        QVERIFY(!differing.copyValues());
        QVERIFY(!differing.cutValues());
        QCOMPARE(halvex::TagPasteboard::shared().text(), QStringLiteral("kept"));

        const ostrak::TagItem notWritable =
            corvelle::test::firstTagItem([](const ostrak::TagItem& item) { return !item.isWritable(); });
        const EditorEditionCache readOnly(EditorEditionCache::ValueSet({photo}, {notWritable}));
        QVERIFY(!readOnly.isWritable());
        QVERIFY(!readOnly.restoreValues() && !readOnly.clearValues() && !readOnly.forceValues()
                && !readOnly.cutValues());
        QCOMPARE(queuedTaskCount(), before);
        QVERIFY(!photo->hasEdits());
    }
};

QTEST_MAIN(EditorEditionCacheTest)
#include "EditorEditionCacheTest.moc"
