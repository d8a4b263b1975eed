#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/editions/HistoryEdition.h"
#include "engine/halvex/places/LocationTagNames.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "platform/brisa/core/NotificationCenter.h"

#include "EditionTestSupport.h"

#include <QTest>

#include <functional>
#include <memory>

using namespace halvex;
using ostrak::TagName;
using EditorPtr = std::shared_ptr<TagEditor>;
using Editors = QList<EditorPtr>;
using Edition = std::function<void(const Editors&)>;
// Per editor index, the names the flush must report for it.
using Reported = QMap<int, QStringList>;

Q_DECLARE_METATYPE(Edition)

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

Editors threeEditors()
{
    return {
        test::memoryEditor(QStringLiteral("a.jpg"), {{QStringLiteral("IFD0:Make"), QStringLiteral("A")}}),
        test::memoryEditor(QStringLiteral("b.jpg"), {{QStringLiteral("IFD0:Make"), QStringLiteral("B")},
                                                     {QStringLiteral("GPS:GPSLatitude"), QStringLiteral("47.1")}}),
        test::memoryEditor(QStringLiteral("c.jpg")),
    };
}

QStringList rawNames(const QList<TagName>& names)
{
    QStringList raws;
    for (const TagName& name : names)
        raws.append(name.rawValue());
    return raws;
}

} // namespace

class EditionManagerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One flush per applied edition, on the main thread, naming what changed where; none for an
    // edition that changed nothing. A direct edition's flush arrives before the call returns.
    void flushes_data()
    {
        QTest::addColumn<bool>("inTask");
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<Reported>("reported");

        const Edition listEdits = [](const Editors& editors) {
            TagEditorList(editors).setValue(QStringLiteral("Z"), tag(u"IFD0:Make"_qs));
            TagEditorList{editors[1]}.setValue(TagValueClear, tag(u"GPS:GPSLatitude"_qs));
            TagEditorList{editors[0]}.setValue(QStringLiteral("A"), tag(u"IFD0:Make"_qs)); // back to the file's
        };
        const Reported listReported{{0, {u"IFD0:Make"_qs}}, {1, {u"IFD0:Make"_qs, u"GPS:GPSLatitude"_qs}},
                                    {2, {u"IFD0:Make"_qs}}};
        const Edition nothing = [](const Editors& editors) {
            TagEditorList(editors).setValue(TagValueRestore, tag(u"IFD0:Make"_qs));
            TagEditorList{editors[0]}.setValue(QStringLiteral("A"), tag(u"IFD0:Make"_qs)); // the file's value
            TagEditorList{editors[0]}.copyTags(QList<TagName>{tag(u"IFD0:Make"_qs)});
        };

        QTest::newRow("task") << true << listEdits << listReported;
        QTest::newRow("task changing nothing") << true << nothing << Reported();
        QTest::newRow("direct list edit") << false << Edition([](const Editors& editors) {
            TagEditorList(editors).setValues({{tag(u"IFD0:Model"_qs), u"M"_qs}, {tag(u"GPS:GPSLatitude"_qs), std::nullopt}});
        }) << Reported{{0, {u"IFD0:Model"_qs}}, {1, {u"GPS:GPSLatitude"_qs, u"IFD0:Model"_qs}}, {2, {u"IFD0:Model"_qs}}};
        QTest::newRow("direct scope around several edits") << false << Edition([listEdits](const Editors& editors) {
            EditionManager::Scope edition;
            listEdits(editors);
        }) << listReported;
        QTest::newRow("lone editor call") << false << Edition([](const Editors& editors) {
            editors[2]->setValue(QStringLiteral("C"), tag(u"IFD0:Make"_qs));
        }) << Reported{{2, {u"IFD0:Make"_qs}}};
        QTest::newRow("forced value") << false << Edition([](const Editors& editors) {
            TagEditorList(editors).forceValues({tag(u"GPS:GPSLatitude"_qs)});
        }) << Reported{{1, {u"GPS:GPSLatitude"_qs}}};
        QTest::newRow("restore all") << true << Edition([](const Editors& editors) {
            EditionManager::Scope outer;
            editors[1]->setValue(QStringLiteral("X"), tag(u"IFD0:Make"_qs));
            editors[1]->setValue(QStringLiteral("Y"), tag(u"IFD0:Model"_qs));
            editors[1]->restoreAllValues();
            editors[0]->setValue(QStringLiteral("Q"), tag(u"IFD0:Model"_qs));
        }) << Reported{{1, {u"IFD0:Make"_qs, u"IFD0:Model"_qs}}, {0, {u"IFD0:Model"_qs}}};
    }

    void flushes()
    {
        QFETCH(bool, inTask);
        QFETCH(Edition, edition);
        QFETCH(Reported, reported);

        const Editors editors = threeEditors();
        test::FlushRecorder flushes;
        // Handlers read the editors: the values must be in place when the flush arrives.
        const TagName make = tag(u"IFD0:Make"_qs);
        QStringList makesSeen;
        const auto token = brisa::NotificationCenter::defaultCenter().addObserver(
            EditionManager::didFlushHistoryNotification, nullptr, [&](const brisa::Notification&) {
                for (const EditorPtr& editor : editors)
                    makesSeen.append(editor->currentValue(make).value_or(QString()));
            });

        if (inTask) {
            test::runEdition([editors, edition] { edition(editors); });
        } else {
            edition(editors);
        }
        brisa::NotificationCenter::defaultCenter().removeObserver(token);

        QVERIFY(flushes.allWell());
        QCOMPARE(flushes.editions().size(), reported.isEmpty() ? 0 : 1);
        if (reported.isEmpty())
            return;
        const HistoryEdition history = flushes.editions().first();
        QCOMPARE(history.entries().size(), reported.size());
        for (int i = 0; i < editors.size(); ++i) {
            QCOMPARE(rawNames(history.tagNames({editors[i]})), reported.value(i));
            QCOMPARE(history.hasEditions({editors[i]}), reported.contains(i));
        }
        QStringList makesNow;
        for (const EditorPtr& editor : editors)
            makesNow.append(editor->currentValue(make).value_or(QString()));
        QCOMPARE(makesSeen, makesNow);
    }

    void queries()
    {
        const Editors editors = threeEditors();
        HistoryEdition history;
        history.add(*editors[0], {tag(u"IFD0:Make"_qs), tag(u"IFD0:Model"_qs)});
        history.add(*editors[1], {LocationTagNames::xmpLocationTagNames().first(), tag(u"IFD0:Make"_qs)});
        history.add(*editors[0], {tag(u"IFD0:Make"_qs), tag(u"XMP-dc:Title"_qs)});

        QCOMPARE(rawNames(history.tagNames({editors[0]})), QStringList({u"IFD0:Make"_qs, u"IFD0:Model"_qs, u"XMP-dc:Title"_qs}));
        QCOMPARE(rawNames(history.tagNames({editors[1], editors[0]})),
                 QStringList({u"IFD0:Make"_qs, u"IFD0:Model"_qs, u"XMP-dc:Title"_qs, LocationTagNames::xmpLocationTagNames().first().rawValue()}));
        QVERIFY(history.tagNames({editors[2]}).isEmpty());

        QVERIFY(history.hasEditions({editors[2], editors[1]}));
        QVERIFY(!history.hasEditions({editors[2]}));
        QVERIFY(!history.hasEditions({}));
        QVERIFY(history.hasEditions({editors[0]}, {tag(u"XMP-dc:Title"_qs)}));
        QVERIFY(!history.hasEditions({editors[1]}, {tag(u"XMP-dc:Title"_qs)}));

        QVERIFY(history.hasLocationEditions({editors[1]}));
        QVERIFY(!history.hasLocationEditions({editors[0], editors[2]}));

        // Matched by identity: an editor over the same file is another editor.
        const EditorPtr twin = test::memoryEditor(QStringLiteral("a.jpg"), {{QStringLiteral("IFD0:Make"), QStringLiteral("A")}});
        QVERIFY(!history.hasEditions({twin}));
    }

    // The flush of a task comes before the note that the task is done.
    void flushBeforeTaskRemoval()
    {
        const Editors editors = threeEditors();
        QStringList order;
        auto& center = brisa::NotificationCenter::defaultCenter();
        const auto flushToken = center.addObserver(EditionManager::didFlushHistoryNotification, nullptr,
                                                   [&](const brisa::Notification&) { order << u"flush"_qs; });
        const auto removeToken = center.addObserver(TaskManager::didRemoveTaskNotification, nullptr,
                                                    [&](const brisa::Notification&) { order << u"removed"_qs; });
        test::runEdition([list = TagEditorList(editors)] { list.setValue(u"new"_qs, tag(u"IFD0:Make"_qs)); });
        center.removeObserver(flushToken);
        center.removeObserver(removeToken);
        QCOMPARE(order, QStringList({u"flush"_qs, u"removed"_qs}));
    }

    void historyOfOtherNotes()
    {
        QVERIFY(!EditionManager::history({TaskManager::didRemoveTaskNotification, nullptr, {}}));
        QVERIFY(!EditionManager::history({EditionManager::didFlushHistoryNotification, nullptr, {}}));
    }
};

QTEST_GUILESS_MAIN(EditionManagerTest)
#include "EditionManagerTest.moc"
