// Showing the open files in the preview section's table: 200 and 2,000 files made in memory, as
// the engine holds them once read. Measures the time from the list's change to a painted table,
// a selection change and the memory the table takes per file. Goal: 2,000 files are on screen
// within a quarter of a second, and the table's cost grows with the rows in sight, not with the
// files (per-file memory at 2,000 no more than at 200).
// Usage: bench_preview_table
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorWindowHost.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/TagItem.h"
#include "filemodel/MetadataFileList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>

#include <cstdio>
#include <memory>

using namespace corvelle;

namespace {

class Host : public EditorWindowHost {
public:
    Host()
    {
        window_.resize(1200, 800);
    }
    QWidget* window() const override { return const_cast<QMainWindow*>(&window_); }
    QMainWindow& mainWindow() { return window_; }
    void updateInterface() override {}
    QMenu* fileContextualMenu() const override { return nullptr; }
    MetadataFileList* metadataFileList() const override { return const_cast<MetadataFileList*>(&list_); }
    halvex::TagValueTable* tagValueTable() const override { return nullptr; }
    void switchToPreviewSection() override {}
    void switchToTagsSection() override {}
    void switchToMapSection() override {}
    void switchToRawSection() override {}
    void addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>&) override {}

private:
    QMainWindow window_;
    MetadataFileList list_;
};

QList<MetadataFilePointer> makeFiles(int count)
{
    QList<MetadataFilePointer> files;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("CLIP_%1.MOV").arg(i, 6, 10, QLatin1Char('0'));
        halvex::TagStorage storage(halvex::TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/media/clips/") + name)));
        storage.setValue(ostrak::TagItem::itemFileFileName().tagName(), halvex::TagValue(name));
        storage.setValue(ostrak::TagName("Keys", "DisplayName"), halvex::TagValue(QStringLiteral("Harbour at dawn")));
        storage.setValue(ostrak::TagName("QuickTime", "CreateDate"), halvex::TagValue(QStringLiteral("2024:05:01 06:12:00")));
        files.append(std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage)));
    }
    return files;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

struct Figures {
    double insertMs = 0;
    double kibPerFile = 0;
};

Figures run(int count)
{
    Host host;
    auto* view = new EditorPreviewViewController(&host);
    host.mainWindow().setCentralWidget(view->view());
    host.mainWindow().show();
    QApplication::processEvents();
    const QList<MetadataFilePointer> files = makeFiles(count);
    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    MetadataFileList* list = host.metadataFileList();
    list->postDidChangeFiles(list->insertWithoutNotifying(files, 0));
    host.mainWindow().repaint();
    QApplication::processEvents();
    const double insertMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    list->setSelection(brisa::IndexSet{count / 2});
    host.mainWindow().repaint();
    QApplication::processEvents();
    const double selectMs = timer.nsecsElapsed() / 1e6;
    const long after = residentKiB();
    std::printf("BENCH preview-table-%d: insert %.1f ms, select %.1f ms, %.1f KiB per file\n", count, insertMs,
                selectMs, double(after - before) / count);
    view->stopObserving();
    delete view;
    return {insertMs, double(after - before) / count};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Figures small = run(200);
    const Figures large = run(2000);
    const bool met = large.insertMs <= 250 && large.kibPerFile <= small.kibPerFile;
    std::printf("BENCH preview-table: 2000 files in %.1f ms, %.1f KiB per file (200: %.1f) (goal: <= 250 ms, "
                "per-file memory not growing) %s\n",
                large.insertMs, large.kibPerFile, small.kibPerFile, met ? "met" : "NOT met");
    return 0;
}
