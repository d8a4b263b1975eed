#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tasks/TaskManager.h"

#include "EditionTestSupport.h"

#include <QHash>
#include <QMutex>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSet>
#include <QTest>

#include <atomic>
#include <memory>
#include <stdexcept>

using namespace halvex;
using ostrak::TagName;
using EditorPtr = std::shared_ptr<TagEditor>;

namespace {

const TagName title(QStringLiteral("XMP-dc"), QStringLiteral("Title"));

QList<EditorPtr> memoryEditors(int count)
{
    QList<EditorPtr> editors;
    for (int i = 0; i < count; ++i)
        editors.append(test::memoryEditor(QStringLiteral("file%1.jpg").arg(i), {{QStringLiteral("XMP-dc:Title"), QStringLiteral("old")}}));
    return editors;
}

} // namespace

class EditionTaskTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The form of the task decides how often its closure runs, and nothing else.
    void closureRule()
    {
        const QList<EditorPtr> editors = memoryEditors(3);
        test::FlushRecorder flushes;

        std::atomic<int> runs = 0;
        std::atomic<bool> onMainThread = false;
        auto once = std::make_shared<EditionTask>([&, list = TagEditorList(editors)] {
            ++runs;
            onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
            list.setValue(QStringLiteral("new"), title);
        });
        QVERIFY(once->isEdition());
        QVERIFY(!once->label());
        TaskManager::shared().add(once);
        test::waitForSharedTasks();
        QCOMPARE(runs.load(), 1);
        QVERIFY(!onMainThread);
        for (const EditorPtr& editor : editors)
            QCOMPARE(editor->currentValue(title), QStringLiteral("new"));

        // Per editor: once each, in order, an editor listed twice once.
        QList<const TagEditor*> seen;
        auto perEditor = std::make_shared<EditionTask>(QList<EditorPtr>{editors[2], editors[0], editors[2], editors[1]},
                                                       [&](const EditorPtr& editor) {
                                                           seen.append(editor.get());
                                                           editor->setValue(QStringLiteral("each"), title);
                                                       });
        TaskManager::shared().add(perEditor);
        test::waitForSharedTasks();
        QCOMPARE(seen, (QList<const TagEditor*>{editors[2].get(), editors[0].get(), editors[1].get()}));
        QCOMPARE(perEditor->completedCount(), 3);
        QCOMPARE(perEditor->totalCount(), 3);

        // Each task is one edition.
        QCOMPARE(flushes.editions().size(), 2);
        QVERIFY(flushes.allWell());
        for (const HistoryEdition& edition : flushes.editions()) {
            QCOMPARE(edition.entries().size(), 3);
            QCOMPARE(edition.tagNames(editors), QList<TagName>{title});
        }
    }

    void labelIsTheDescription()
    {
        const EditionTask task([] {}, QStringLiteral("Renaming"));
        QCOMPARE(task.label(), QStringLiteral("Renaming"));
        QCOMPARE(task.description().arguments, QVariantList{QStringLiteral("Renaming")});
        QVERIFY(!task.title().isEmpty());
    }

    // editConcurrently runs the block once for each distinct editor, as one edition.
    void editConcurrentlyTouchesEachEditorOnce()
    {
        QList<EditorPtr> editors = memoryEditors(24);
        editors.append(editors.first());
        test::FlushRecorder flushes;

        QMutex mutex;
        QHash<const TagEditor*, int> calls;
        test::runEdition([&, list = TagEditorList(editors)] {
            list.editConcurrently([&](const EditorPtr& editor) {
                {
                    QMutexLocker lock(&mutex);
                    ++calls[editor.get()];
                }
                editor->setValue(editor->fileName(), title);
            });
        });

        QCOMPARE(calls.size(), 24);
        for (auto it = calls.begin(); it != calls.end(); ++it)
            QCOMPARE(it.value(), 1);
        for (const EditorPtr& editor : editors)
            QCOMPARE(editor->currentValue(title), editor->fileName());
        QCOMPARE(flushes.editions().size(), 1);
        QCOMPARE(flushes.editions().first().entries().size(), 24);
    }

    // A failing block stops neither the other blocks nor the history of what they did.
    void failingBlock()
    {
        const QList<EditorPtr> editors = memoryEditors(6);
        test::FlushRecorder flushes;
        const auto task = test::runEdition([list = TagEditorList(editors), failing = editors[3].get()] {
            list.editConcurrently([failing](const EditorPtr& editor) {
                if (editor.get() == failing)
                    throw std::runtime_error("no value for this file");
                editor->setValue(QStringLiteral("done"), title);
            });
        });
        QCOMPARE(task->messages().size(), 1);
        QCOMPARE(task->messages().first().reason.arguments, QVariantList{QStringLiteral("no value for this file")});
        QCOMPARE(task->status(), AbstractTask::Status::finished);
        for (int i = 0; i < editors.size(); ++i)
            QCOMPARE(editors[i]->isEdited(title), i != 3);
        QCOMPARE(flushes.editions().size(), 1);
        QCOMPARE(flushes.editions().first().entries().size(), 5);
    }

    // The main thread edits an editor directly while a task edits it: every edit lands, and each
    // edition reports its own edits only.
    void directEditDuringTask()
    {
        const EditorPtr editor = test::memoryEditor(QStringLiteral("shared.jpg"));
        constexpr int count = 3000;
        test::FlushRecorder flushes;

        QSemaphore started;
        auto task = std::make_shared<EditionTask>([&, editor] {
            started.release();
            for (int i = 0; i < count; ++i)
                editor->setValue(QString::number(i), TagName(QStringLiteral("XMP-dc"), QStringLiteral("Task%1").arg(i)));
        });
        TaskManager::shared().add(task);
        started.acquire();
        TagEditorList::Values values;
        for (int i = 0; i < count; ++i)
            values.insert(TagName(QStringLiteral("IPTC"), QStringLiteral("Main%1").arg(i)), QString::number(i));
        TagEditorList{editor}.setValues(values);
        test::waitForSharedTasks();

        QCOMPARE(editor->edits().size(), 2 * count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(editor->currentValue(TagName(QStringLiteral("XMP-dc"), QStringLiteral("Task%1").arg(i))), QString::number(i));
            QCOMPARE(editor->currentValue(TagName(QStringLiteral("IPTC"), QStringLiteral("Main%1").arg(i))), QString::number(i));
        }
        QCOMPARE(flushes.editions().size(), 2);
        for (const HistoryEdition& edition : flushes.editions()) {
            const QList<TagName> names = edition.tagNames({editor});
            QCOMPARE(names.size(), count);
            const QString group = names.first().group();
            QVERIFY(std::all_of(names.begin(), names.end(), [&](const TagName& name) { return name.group() == group; }));
        }
    }

    // Saving refuses while an edition waits; the edition counts until it has run.
    void queuedEditionIsEditing()
    {
        auto gate = std::make_shared<test::GateTask>();
        TaskManager::shared().add(gate);
        gate->waitUntilHeld();
        const auto release = qScopeGuard([gate] { gate->open(); });
        QVERIFY(!TaskManager::shared().isEditing());
        TaskManager::shared().add(std::make_shared<EditionTask>([] {}));
        QVERIFY(TaskManager::shared().isEditing());
        gate->open();
        test::waitForSharedTasks();
        QVERIFY(!TaskManager::shared().isEditing());
    }
};

QTEST_GUILESS_MAIN(EditionTaskTest)
#include "EditionTaskTest.moc"
