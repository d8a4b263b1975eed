// Showing the open files in the preview section's table: 200, 2,000 and 20,000 files made in
// memory, as the engine holds them once read, shown through the window's shared file model and
// selection. Measures the time from the list's change to a painted table, a selection change and
// the memory the table takes per file; then scrolls the 20,000-file table from top to bottom a
// page per step, painting each step, and reports the longest step (a main-thread stall).
// Goals: 2,000 files on screen and selected within a quarter of a second, 20,000 within half a
// second, per-file memory not growing with the files, no scroll step longer than 16 ms.
// The main thread's CPU time of the costliest step is printed beside the stall: on a loaded machine
// it tells our own work from time the main thread spent waiting for a core.
// Usage: bench_preview_table   (BENCH_STEPS=1 prints every step over 8 ms, BENCH_MAX_STEPS=N stops
// the scroll after N steps)
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorWindowHost.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/TagItem.h"
#include "editor/EditorFileListBarController.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "filemodel/MetadataFileListSelectionModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>
#include <ctime>
#include <memory>

using namespace corvelle;

namespace {

class Host : public EditorWindowHost {
public:
    Host()
        : model_(&list_)
        , selection_(&model_)
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
    MetadataFileListModel* fileListModel() const override { return const_cast<MetadataFileListModel*>(&model_); }
    QItemSelectionModel* fileSelectionModel() const override
    {
        return const_cast<MetadataFileListSelectionModel*>(&selection_);
    }

private:
    QMainWindow window_;
    MetadataFileList list_;
    MetadataFileListModel model_;
    MetadataFileListSelectionModel selection_;
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
    double selectMs = 0;
    double kibPerFile = 0;
    double longestScrollStepMs = 0;
    int longestScrollStep = 0;
    int scrollSteps = 0;
    int stepsOver16Ms = 0;
    double longestStepCpuMs = 0;
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Scrolls from the top to the end a page per step, each step painted before the next.
void scrollEndToEnd(QTableView* table, Figures& figures)
{
    QScrollBar* bar = table->verticalScrollBar();
    bar->setValue(0);
    QApplication::processEvents();
    QElapsedTimer timer;
    const int maxSteps = qEnvironmentVariableIntValue("BENCH_MAX_STEPS");
    while (bar->value() < bar->maximum() && (maxSteps == 0 || figures.scrollSteps < maxSteps)) {
        timer.start();
        const double cpuBefore = threadCpuMs();
        bar->setValue(std::min(bar->maximum(), bar->value() + std::max(1, table->viewport()->height())));
        table->viewport()->repaint();
        QApplication::processEvents();
        const double stepMs = timer.nsecsElapsed() / 1e6;
        const double cpuMs = threadCpuMs() - cpuBefore;
        figures.longestStepCpuMs = std::max(figures.longestStepCpuMs, cpuMs);
        if (qEnvironmentVariableIsSet("BENCH_STEPS") && stepMs > 8)
            std::printf("step %d: %.1f ms, main-thread CPU %.1f ms, ended at %.6f\n", figures.scrollSteps, stepMs, cpuMs,
                        [] { timespec t{}; clock_gettime(CLOCK_MONOTONIC, &t); return t.tv_sec + t.tv_nsec / 1e9; }());
        if (stepMs > figures.longestScrollStepMs) {
            figures.longestScrollStepMs = stepMs;
            figures.longestScrollStep = figures.scrollSteps;
        }
        figures.stepsOver16Ms += stepMs >= 16;
        ++figures.scrollSteps;
    }
}

Figures run(int count, bool scroll)
{
    Figures figures;
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
    figures.insertMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    list->setSelection(brisa::IndexSet{count / 2});
    host.mainWindow().repaint();
    QApplication::processEvents();
    figures.selectMs = timer.nsecsElapsed() / 1e6;
    const long after = residentKiB();
    figures.kibPerFile = double(after - before) / count;
    std::printf("BENCH preview-table-%d: insert %.1f ms, select %.1f ms, %.2f KiB per file\n", count,
                figures.insertMs, figures.selectMs, figures.kibPerFile);
    if (scroll) {
        scrollEndToEnd(view->fileBarController()->fileTableView(), figures);
        std::printf("BENCH preview-table-%d-scroll: %d page steps, longest %.1f ms (step %d), %d steps of 16 ms or more, "
                    "most main-thread CPU in one step %.1f ms\n",
                    count, figures.scrollSteps, figures.longestScrollStepMs, figures.longestScrollStep,
                    figures.stepsOver16Ms, figures.longestStepCpuMs);
    }
    view->stopObserving();
    delete view;
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        // What the application does in its first moments (the icons thumbnails fall back to are
        // drawn ahead) is done before anything is measured, as it is before a user opens files.
        Host launched;
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < 300)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const Figures small = run(200, false);
    const Figures large = run(2000, false);
    const Figures huge = run(20000, true);
    const bool met = large.insertMs + large.selectMs <= 250 && large.kibPerFile <= small.kibPerFile;
    std::printf("BENCH preview-table: 2000 files in %.1f ms (shown %.1f, selected %.1f), %.2f KiB per file (200: %.2f) "
                "(goal: <= 250 ms, per-file memory not growing) %s\n",
                large.insertMs + large.selectMs, large.insertMs, large.selectMs, large.kibPerFile, small.kibPerFile,
                met ? "met" : "NOT met");
    const bool hugeMet = huge.insertMs + huge.selectMs <= 500 && huge.kibPerFile <= large.kibPerFile;
    std::printf("BENCH preview-table-20000: %.1f ms (shown %.1f, selected %.1f), %.2f KiB per file (2000: %.2f) "
                "(goal: <= 500 ms, per-file memory no higher than at 2000) %s\n",
                huge.insertMs + huge.selectMs, huge.insertMs, huge.selectMs, huge.kibPerFile, large.kibPerFile,
                hugeMet ? "met" : "NOT met");
    std::printf("BENCH preview-table-scroll: longest main-thread stall %.1f ms over %d page steps (goal: < 16 ms) %s\n",
                huge.longestScrollStepMs, huge.scrollSteps, huge.longestScrollStepMs < 16 ? "met" : "NOT met");
    return 0;
}
