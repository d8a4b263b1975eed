#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/TaskManager.h"

#include <QSemaphore>
#include <QtConcurrent>
#include <QtTest>

#include <atomic>

using namespace halvex;
using ostrak::TagName;
using CopiedTags = TagPasteboard::CopiedTags;

namespace {

const TagName make(QStringLiteral("IFD0"), QStringLiteral("Make"));
const TagName title(QStringLiteral("XMP-dc"), QStringLiteral("Title"));
const TagName artist(QStringLiteral("IFD0"), QStringLiteral("Artist"));

// An edition task that runs a closure, as the copy and paste actions queue them.
class ClosureTask : public AbstractTask {
public:
    explicit ClosureTask(std::function<void()> work) : work_(std::move(work)) {}
    bool isEdition() const override { return true; }

protected:
    void run() override { work_(); }

private:
    std::function<void()> work_;
};

// A copy of `count` tags whose values, and the text, all read "<copy>".
void copyWhole(TagPasteboard& pasteboard, const QString& copy, int count)
{
    CopiedTags tags;
    for (int i = 0; i < count; ++i)
        tags.insert(TagName(QStringLiteral("XMP-dc"), QStringLiteral("Tag%1").arg(i)), copy);
    pasteboard.setCopiedTags(tags);
    pasteboard.setText(copy);
}

} // namespace

class TagPasteboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pasteSeesTheCopyQueuedBeforeIt()
    {
        TagPasteboard pasteboard;
        pasteboard.setCopiedTags({{make, QStringLiteral("Old")}});
        pasteboard.setText(QStringLiteral("old"));
        const CopiedTags copied{{make, QStringLiteral("New")}, {title, std::nullopt}, {artist, TagValueClear}};
        QSemaphore gate;
        QSemaphore pasted;
        QString pastedText;
        CopiedTags pastedTags;
        const std::function<void()> pasteText =
            pasteboard.pasteTextWhenRun([&pastedText](const QString& text) { pastedText = text; });
        const std::function<void()> pasteTags =
            pasteboard.pasteTagsWhenRun([&pastedTags](const CopiedTags& tags) { pastedTags = tags; });
        // Gone before the locals its tasks use; the gate opens even when a check fails.
        TaskManager manager;
        const auto openGate = qScopeGuard([&gate] { gate.release(); });

        manager.add(std::make_shared<ClosureTask>([&gate] { gate.acquire(); }));
        manager.add(std::make_shared<ClosureTask>([&pasteboard, &copied] {
            pasteboard.setCopiedTags(copied);
            pasteboard.setText(QStringLiteral("new"));
        }));
        // The paste action builds its task while the copy still waits in the queue.
        manager.add(std::make_shared<ClosureTask>([&pasteText, &pasteTags, &pasted] {
            pasteText();
            pasteTags();
            pasted.release();
        }));
        QCOMPARE(pasteboard.text(), QStringLiteral("old"));

        gate.release();
        QVERIFY(pasted.tryAcquire(1, 60000));
        QCOMPARE(pastedText, QStringLiteral("new"));
        QCOMPARE(pastedTags, copied);
    }

    void pasteOfNothingDoesNothing()
    {
        QCOMPARE(&TagPasteboard::shared(), &TagPasteboard::shared());
        TagPasteboard pasteboard;
        int textPastes = 0;
        int tagPastes = 0;
        QStringList texts;
        const std::function<void()> pasteText = pasteboard.pasteTextWhenRun([&](const QString& text) {
            ++textPastes;
            texts << text;
        });
        const std::function<void()> pasteTags = pasteboard.pasteTagsWhenRun([&](const CopiedTags&) { ++tagPastes; });

        pasteText();
        pasteTags();
        QCOMPARE(pasteboard.text(), std::nullopt);
        QVERIFY(!pasteboard.hasCopiedTags());
        QCOMPARE(textPastes + tagPastes, 0);

        // The empty text is a text; no copied tag is no copy.
        pasteboard.setText(QString());
        pasteboard.setCopiedTags({});
        pasteText();
        pasteTags();
        QCOMPARE(texts, QStringList{QString()});
        QCOMPARE(tagPastes, 0);
        QVERIFY(!pasteboard.hasCopiedTags());

        pasteboard.setCopiedTags({{make, TagValueRestore}});
        QVERIFY(pasteboard.hasCopiedTags());
        pasteTags();
        QCOMPARE(tagPastes, 1);
        QCOMPARE(pasteboard.copiedTags().value(make), TagValueRestore);
    }

    // Copies written on several threads while others read: each read holds one whole copy.
    void concurrentReadsSeeWholeCopies()
    {
        TagPasteboard pasteboard;
        copyWhole(pasteboard, QStringLiteral("start"), 20);
        std::atomic<bool> writing = true;
        std::atomic<int> torn = 0;
        std::atomic<int> reads = 0;
        // Its own pool, large enough for every reader and writer to run at once.
        QThreadPool pool;
        pool.setMaxThreadCount(7);

        QList<QFuture<void>> readers;
        for (int r = 0; r < 3; ++r) {
            readers << QtConcurrent::run(&pool, [&] {
                while (writing) {
                    const CopiedTags tags = pasteboard.copiedTags();
                    const QSet<std::optional<QString>> values(tags.cbegin(), tags.cend());
                    if (tags.size() != 20 || values.size() != 1 || !pasteboard.text())
                        ++torn;
                    ++reads;
                }
            });
        }
        QList<QFuture<void>> writers;
        for (int w = 0; w < 4; ++w) {
            writers << QtConcurrent::run(&pool, [&pasteboard, w] {
                for (int n = 0; n < 300; ++n)
                    copyWhole(pasteboard, QStringLiteral("w%1-%2").arg(w).arg(n), 20);
            });
        }
        for (QFuture<void>& writer : writers)
            writer.waitForFinished();
        writing = false;
        for (QFuture<void>& reader : readers)
            reader.waitForFinished();
        QCOMPARE(torn.load(), 0);
        QVERIFY(reads > 0);
        QVERIFY(pasteboard.text()->endsWith(QStringLiteral("-299")));
    }
};

QTEST_GUILESS_MAIN(TagPasteboardTest)
#include "TagPasteboardTest.moc"
