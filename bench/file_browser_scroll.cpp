// Scrolling the file bars over 10,000 files while their thumbnails load: the files are links to
// the fixtures (pictures, movies, sounds, a raw file) in a temporary folder, held as the engine
// holds them once read. The grid and the table are each scrolled from top to bottom a viewport
// per step, each step painted before the next; the grid is then zoomed by a slider drag. Runs on
// two cores. Reports the longest main-thread step (a stall) and the peak memory of each bar.
// Goals: no step of 16 ms or more; memory follows the items on screen, not the file count.
// Usage: bench_file_browser_scroll [files]
#include "editor/EditorFileGridBarController.h"
#include "editor/EditorFileListBarController.h"
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowHost.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/TagItem.h"
#include "filebrowser/GridSliderView.h"
#include "filebrowser/ImageCollectionView.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "filemodel/MetadataFileListSelectionModel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <sched.h>

#include <cstdio>
#include <ctime>

using namespace corvelle;

namespace {

class Host : public EditorWindowHost {
public:
    explicit Host(EditorContentSection section)
        : section_(section)
        , model_(&list_)
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
    EditorContentSection contentSection() const override { return section_; }

private:
    EditorContentSection section_;
    QMainWindow window_;
    MetadataFileList list_;
    MetadataFileListModel model_;
    MetadataFileListSelectionModel selection_;
};

class GridSection : public EditorViewController {
public:
    using EditorViewController::EditorViewController;
    EditorFileGridBarController* bar = nullptr;

protected:
    void setupViews() override
    {
        bar = new EditorFileGridBarController(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(bar->view());
    }
};

QList<MetadataFilePointer> makeLinkedFiles(const QString& folder, int count)
{
    const QStringList fixtures{"photo.jpg", "movie.mp4", "raw.dng", "audio.m4a", "movie.mov", "odd name -é.jpg"};
    QList<MetadataFilePointer> files;
    for (int i = 0; i < count; ++i) {
        const QString& fixture = fixtures[i % fixtures.size()];
        const QString name = QStringLiteral("file%1.%2").arg(i, 5, 10, QLatin1Char('0')).arg(fixture.section('.', -1));
        const QString path = folder + QLatin1Char('/') + name;
        QFile::link(QStringLiteral(CORVELLE_FIXTURES_DIR "/") + fixture, path);
        halvex::TagStorage storage(halvex::TagStorageSource(QUrl::fromLocalFile(path)));
        storage.setValue(ostrak::TagItem::itemFileFileName().tagName(), halvex::TagValue(name));
        files.append(std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage)));
    }
    return files;
}

long statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// The processor time the main thread has used so far, in milliseconds.
double mainThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A step's time on the clock, and the processor time the main thread spent in it: on a machine
// shared with other work, a step much longer on the clock than on the processor waited for a core
// rather than for our own code.
class StepTimer {
public:
    void start()
    {
        clock_.start();
        cpuStart_ = mainThreadCpuMs();
    }
    double elapsedMs() const { return clock_.nsecsElapsed() / 1e6; }
    double cpuMs() const { return mainThreadCpuMs() - cpuStart_; }

private:
    QElapsedTimer clock_;
    double cpuStart_ = 0;
};

struct Steps {
    double longestMs = 0;
    double longestCpuMs = 0;
    int count = 0;
    int over16 = 0;

    void add(const StepTimer& timer)
    {
        const double ms = timer.elapsedMs();
        longestMs = std::max(longestMs, ms);
        longestCpuMs = std::max(longestCpuMs, timer.cpuMs());
        over16 += ms >= 16;
        ++count;
    }
};

// From the top to the end a viewport per step, each painted before the next; then a while for the
// thumbnails still on their way, a step each turn.
Steps scrollEndToEnd(QAbstractItemView* view)
{
    Steps steps;
    QScrollBar* bar = view->verticalScrollBar();
    bar->setValue(0);
    QApplication::processEvents();
    StepTimer timer;
    while (bar->value() < bar->maximum()) {
        timer.start();
        bar->setValue(std::min(bar->maximum(), bar->value() + std::max(1, view->viewport()->height())));
        view->viewport()->repaint();
        QApplication::processEvents();
        steps.add(timer);
    }
    for (int turn = 0; turn < 50; ++turn) {
        timer.start();
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        steps.add(timer);
    }
    return steps;
}

void report(const char* name, const Steps& steps, long peakKiB, long baseKiB, int files)
{
    std::printf("BENCH %s: %d files, %d steps, longest main-thread stall %.1f ms (longest main-thread processor "
                "time in a step %.1f ms), %d steps of 16 ms or more, peak memory %ld KiB over %ld (goal: < 16 ms) %s\n",
                name, files, steps.count, steps.longestMs, steps.longestCpuMs, steps.over16, peakKiB - baseKiB, baseKiB,
                steps.longestMs < 16 ? "met" : "NOT met");
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Two cores, as the goal is set.
    cpu_set_t cores;
    CPU_ZERO(&cores);
    CPU_SET(0, &cores);
    CPU_SET(1, &cores);
    sched_setaffinity(0, sizeof(cores), &cores);
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(100, QString::fromLocal8Bit(argv[1]).toInt()) : 10000;
    QTemporaryDir folder;

    const QList<MetadataFilePointer> files = makeLinkedFiles(folder.path(), count);
    {
        Host host(EditorContentSection::tags);
        auto* section = new GridSection(&host);
        host.mainWindow().setCentralWidget(section->view());
        host.mainWindow().show();
        QApplication::processEvents();
        const long base = statusKiB("VmRSS:");
        MetadataFileList* list = host.metadataFileList();
        list->postDidChangeFiles(list->insertWithoutNotifying(files, 0));
        QApplication::processEvents();
        section->bar->sliderView()->setValue(0.2);
        section->bar->zoomClicked();
        Steps steps = scrollEndToEnd(section->bar->fileCollectionView());
        // A zoom drag over the whole range, a step each 0.02.
        GridSliderView* slider = section->bar->sliderView();
        StepTimer timer;
        timer.start();
        slider->setValue(0.2);
        section->bar->zoomSlideStarted();
        steps.add(timer);
        for (double zoom = 0.2; zoom <= 0.9; zoom += 0.02) {
            timer.start();
            slider->setValue(zoom);
            section->bar->zoomSlideContinued();
            section->bar->fileCollectionView()->viewport()->repaint();
            QApplication::processEvents();
            steps.add(timer);
        }
        timer.start();
        section->bar->zoomSlideStopped();
        QApplication::processEvents();
        steps.add(timer);
        report("file-grid-scroll", steps, statusKiB("VmRSS:"), base, count);
        section->stopObserving();
        delete section;
    }
    {
        Host host(EditorContentSection::preview);
        auto* view = new EditorPreviewViewController(&host);
        host.mainWindow().setCentralWidget(view->view());
        host.mainWindow().show();
        QApplication::processEvents();
        const long base = statusKiB("VmRSS:");
        MetadataFileList* list = host.metadataFileList();
        list->postDidChangeFiles(list->insertWithoutNotifying(files, 0));
        QApplication::processEvents();
        const Steps steps = scrollEndToEnd(view->fileBarController()->fileTableView());
        report("file-list-scroll", steps, statusKiB("VmRSS:"), base, count);
        view->stopObserving();
        delete view;
    }
    std::printf("BENCH file-browser-peak-memory: %ld KiB\n", statusKiB("VmHWM:"));
    return 0;
}
