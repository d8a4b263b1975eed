// Pictures of the editor window for reviewing its look: the application starts as usual, opens
// ten files, and the window is photographed with its files, with the tasks popover during a
// long import, and in its welcome section. Run through scripts/make-screenshots.sh, which gives
// it a private X server, home and session bus.

#include "app/AppController.h"
#include "editor/EditorFileGridBarController.h"
#include "editor/EditorViewController.h"
#include "app/MainMenu.h"
#include "editor/EditorImportExportActions.h"
#include "editor/EditorWindowController.h"
#include "editor/FileThumbnailTableCellView.h"
#include "editor/TasksPopoverController.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/ExifToolPool.h"
#include "filebrowser/FileFilterOptionsWindowController.h"
#include "filebrowser/FileImportOptionsViewController.h"
#include "filebrowser/FileSortOptionsWindowController.h"
#include "filebrowser/FolderSettingsWindowController.h"
#include "editor/EditorFileActions.h"
#include "filebrowser/GridSliderView.h"
#include "filebrowser/QuickLookWindow.h"
#include "filebrowser/QuickLookWindowController.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "editor/EditorLocationActions.h"
#include "engine/halvex/libraries/LocationManager.h"
#include "engine/halvex/places/TagEditorLocationList.h"
#include "map/EditorMapViewController.h"
#include "map/FindLocationWindowController.h"
#include "map/LocationEditWindowController.h"
#include "map/LocationSearchEngine.h"
#include "map/MapSettings.h"
#include "editor/EditorSettings.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "tags/EditorTagBarController.h"
#include "tags/EditorTagsViewController.h"
#include "tags/TagsSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/maps/SyncRegionMapView.h"
#include "screenshots/HeldImportTask.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include "ScreenshotSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

namespace {

using screenshots::save;
using screenshots::settle;
using screenshots::waitFor;

// The copies opened: ten names, of the kinds the application opens (movies, sound, sidecars).
QStringList makeTenFiles(const QDir& folder)
{
    const QList<std::pair<const char*, const char*>> copies = {
        {"movie.mov", "Harbour at dawn.mov"}, {"movie.mp4", "Market street.mp4"},
        {"movie.mov", "clip2.mov"},           {"movie.mp4", "Clip10.mp4"},
        {"movie.mov", "clip1.mov"},           {"movie.mp4", "Ferry crossing – long name of a long day.mp4"},
        {"audio.m4a", "Interview.m4a"},       {"audio.m4a", "Birdsong.m4a"},
        {"sidecar.xmp", "Lighthouse.xmp"},    {"movie.mov", "odd name -é.mov"},
    };
    QStringList paths;
    for (const auto& [fixture, name] : copies) {
        const QString target = folder.filePath(QString::fromUtf8(name));
        QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/") + QString::fromLatin1(fixture), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        paths << target;
    }
    return paths;
}

// Every row in sight of the window's file table has its thumbnail.
bool thumbnailsShown(const corvelle::EditorWindowController& editor)
{
    corvelle::MetadataFileListModel* model = editor.fileListModel();
    const int column = model->columnOf(corvelle::FileThumbnailTableCellView::cellType().columnIdentifier);
    for (const QTableView* table : editor.window()->findChildren<QTableView*>()) {
        if (table->model() != model || !table->isVisible() || column < 0)
            continue;
        const int first = table->rowAt(0);
        int last = table->rowAt(table->viewport()->height() - 1);
        if (last < 0)
            last = model->rowCount() - 1;
        if (first < 0)
            return false;
        for (int row = first; row <= last; ++row) {
            if (!corvelle::FileThumbnailTableCellView::hasThumbnail(model->index(row, column)))
                return false;
        }
        return true;
    }
    return false;
}

// The toolbar's Tasks button when there is one, else the toolbar.
QWidget* tasksAnchor(QMainWindow* window)
{
    auto* toolbar = window->findChild<QToolBar*>();
    for (auto* button : window->findChildren<QToolButton*>()) {
        if (button->isVisible() && button->objectName().contains(QStringLiteral("Task"), Qt::CaseInsensitive))
            return button;
    }
    return toolbar ? static_cast<QWidget*>(toolbar) : window;
}

// A window of its own holding the file grid over the editor window's files.
class GridSection : public corvelle::EditorViewController {
public:
    using EditorViewController::EditorViewController;
    corvelle::EditorFileGridBarController* bar = nullptr;

protected:
    void setupViews() override
    {
        bar = new corvelle::EditorFileGridBarController(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(bar->view());
    }
};

bool gridThumbnailsShown(corvelle::EditorFileGridBarController& bar)
{
    const QAbstractItemModel* model = bar.fileListModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (!model->index(row, 0).data(corvelle::MetadataFileListModel::ThumbnailMadeRole).toBool())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    QApplication::setOrganizationName(QStringLiteral("Corvelle"));
    QApplication::setDesktopFileName(QStringLiteral("corvelle"));
    const QStringList arguments = app.arguments();
    const QDir output(arguments.value(1, QStringLiteral("screenshots")));
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(output.path()));
        return 1;
    }
    QTemporaryDir files;
    const QStringList ten = makeTenFiles(QDir(files.path()));

    corvelle::AppController controller;
    if (!controller.launch())
        return 1;
    ostrak::ExifToolPool::shared().prestart();
    controller.takeHandOver(ten);
    auto* editor = dynamic_cast<corvelle::EditorWindowController*>(controller.existingEditorWindowController());
    if (!editor) {
        std::fprintf(stderr, "no editor window\n");
        return 1;
    }
    QMainWindow* window = editor->window();
    window->move(0, 0);
    int failures = 0;

    // 1. The ten files with their thumbnails.
    if (!waitFor([&] { return editor->metadataFileList()->files().size() == ten.size(); }, 60000))
        std::fprintf(stderr, "only %d files opened\n", int(editor->metadataFileList()->files().size()));
    const bool thumbnails = waitFor([&] { return thumbnailsShown(*editor); }, 20000);
    if (!thumbnails)
        std::fprintf(stderr, "some thumbnails did not come\n");
    settle(500);
    failures += !save({window}, output.filePath(QStringLiteral("1-files.png")));

    // 4., 5. The file grid at two zooms, two files selected.
    {
        editor->metadataFileList()->setSelection(brisa::IndexSet{1, 2});
        QWidget gridWindow;
        gridWindow.resize(900, 640);
        gridWindow.move(0, 0);
        auto* layout = new QVBoxLayout(&gridWindow);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* section = new GridSection(editor);
        layout->addWidget(section->view());
        gridWindow.show();
        int shot = 4;
        for (const double zoom : {0.2, 0.6}) {
            section->bar->sliderView()->setValue(zoom);
            section->bar->zoomClicked();
            section->bar->focus();
            waitFor([&] { return gridThumbnailsShown(*section->bar); }, 20000);
            settle(500);
            failures += !save({&gridWindow}, output.filePath(QStringLiteral("%1-grid-zoom-%2.png").arg(shot++).arg(zoom)));
        }
        section->stopObserving();
        delete section;
        editor->metadataFileList()->setSelection(brisa::IndexSet{});
    }

    // 6., 7. Quick Look over a picture (an audio file's cover art) and over a movie.
    {
        corvelle::QuickLookWindowController& quickLook = editor->quickLookWindowController();
        int shot = 6;
        for (const QString& name : {QStringLiteral("Birdsong.m4a"), QStringLiteral("Harbour at dawn.mov")}) {
            const QList<corvelle::MetadataFilePointer>& opened = editor->metadataFileList()->files();
            for (int row = 0; row < opened.size(); ++row) {
                if (opened[row]->filename() == name)
                    editor->metadataFileList()->setSelection(brisa::IndexSet{row});
            }
            quickLook.showWindow();
            waitFor([&] { return quickLook.processingCount() == 0 && quickLook.orientedContent().has_value(); }, 20000);
            settle(1200);
            failures += !save({window, quickLook.window()},
                              output.filePath(QStringLiteral("%1-quicklook-%2.png").arg(shot++).arg(name.section('.', -1))));
        }
        quickLook.hideWindow();
        settle(300);
    }

    // 8. The folder settings sheet with a path holding a comma.
    {
        auto* sheet = new corvelle::FolderSettingsWindowController(window);
        sheet->setRecurseSubfolders(true);
        sheet->setFilePathFilter(ostrak::ETPathFilter({QStringLiteral("*.mov"), QStringLiteral("Trips, 2024/*")}));
        sheet->open();
        settle(600);
        failures += !save({window}, output.filePath(QStringLiteral("8-folder-settings.png")));
        sheet->cancelSheet();
        delete sheet;
        settle(300);
    }

    // 8b, 8c. The file sort sheet over its list of tags, a search typed and the descending order
    // chosen; the file selection sheet over a file name and the edited files.
    brisa::UserDefaults::standard().set(corvelle::Settings::reducedTagSetUserChoice(), corvelle::ReducedTagSetUserChoice::all);
    if (corvelle::FileSortOptionsWindowController* sheet = editor->fileActions().showFileSortPanel()) {
        sheet->searchField()->setText(QStringLiteral("file"));
        sheet->sortOrderPopUpButton()->setCurrentIndex(1);
        sheet->changeSortOrder();
        waitFor([&] { return !sheet->isSearching() && sheet->listModel()->rowCount() > 0; }, 20000);
        settle(600);
        failures += !save({window}, output.filePath(QStringLiteral("8b-file-sort.png")));
        sheet->cancelSheet();
        settle(300);
    } else {
        std::fprintf(stderr, "the file sort sheet did not open\n");
        ++failures;
    }
    if (corvelle::FileFilterOptionsWindowController* sheet = editor->fileActions().showFileSelectPanel()) {
        sheet->filenameTextField()->setText(QStringLiteral("Harbour"));
        settle(600);
        failures += !save({window}, output.filePath(QStringLiteral("8c-file-selection.png")));
        sheet->cancelSheet();
        settle(300);
    } else {
        std::fprintf(stderr, "the file selection sheet did not open\n");
        ++failures;
    }

    // 8d. The options asked for when a folder is opened.
    {
        auto* options = new corvelle::FileImportOptionsViewController;
        bool ended = false;
        if (brisa::SheetPresenter::presentContentSheet(window, options->view(), [&ended](int) { ended = true; })) {
            settle(600);
            failures += !save({window}, output.filePath(QStringLiteral("8d-import-options.png")));
            options->continueButton()->click();
            waitFor([&] { return ended; }, 5000);
        } else {
            std::fprintf(stderr, "the import options did not open\n");
            ++failures;
        }
        delete options;
        settle(300);
    }

    // 9 and 10. The Image and Date menus over the window, the first file selected.
    editor->metadataFileList()->setSelection(brisa::IndexSet{0});
    const QStringList menuTitles{corvelle::localizedString(QStringLiteral("MainMenuImageMenu")),
                                 corvelle::localizedString(QStringLiteral("MainMenuDateMenu"))};
    for (int index = 0; index < menuTitles.size(); ++index) {
        QMenu* menu = nullptr;
        for (QMenu* candidate : controller.mainMenu().menus()) {
            // Mnemonics put an ampersand into the titles.
            if (QString(candidate->title()).remove(QLatin1Char('&')) == menuTitles.at(index))
                menu = candidate;
        }
        if (!menu) {
            std::fprintf(stderr, "no %s menu\n", qPrintable(menuTitles.at(index)));
            ++failures;
            continue;
        }
        menu->popup(window->mapToGlobal(QPoint(40 + 120 * index, 60)));
        settle(500);
        failures += !save({window, menu}, output.filePath(QStringLiteral("%1-%2-menu.png").arg(9 + index).arg(index == 0 ? "image" : "date")));
        menu->hide();
        settle(200);
    }

    // 11. The folder dialog of the sidecar import from copies.
    if (QAction* importCopies = editor->commandAction(QStringLiteral("importCopiesSidecar:"))) {
        editor->refreshCommandActions();
        importCopies->trigger();
        QFileDialog* dialog = nullptr;
        waitFor([&] {
            dialog = window->findChild<QFileDialog*>(corvelle::EditorImportExportActions::panelObjectName);
            return dialog && dialog->isVisible();
        }, 5000);
        settle(500);
        if (dialog) {
            failures += !save({window, dialog}, output.filePath(QStringLiteral("11-sidecar-dialog.png")));
            QMetaObject::invokeMethod(dialog, "reject");
            settle(300);
        } else {
            std::fprintf(stderr, "the sidecar dialog did not open\n");
            ++failures;
        }
    }

    // 2. The tasks popover while an import of many files runs, another one queued behind it.
    QDir many(files.filePath(QStringLiteral("many")));
    many.mkpath(QStringLiteral("."));
    QList<halvex::TagStorageSource> sources;
    for (int i = 1; i <= 1000; ++i) {
        const QString copy = many.filePath(QStringLiteral("take%1.mp4").arg(i, 4, 10, QLatin1Char('0')));
        QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/movie.mp4"), copy);
        sources << halvex::TagStorageSource(QUrl::fromLocalFile(copy));
    }
    auto held = std::make_shared<HeldImportTask>(halvex::ImportTagEditorsTask::Settings(sources));
    halvex::TaskManager::shared().add(held);
    const QString queued = files.filePath(QStringLiteral("Queued.mov"));
    QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/movie.mov"), queued);
    editor->addFiles({QUrl::fromLocalFile(queued)});
    corvelle::TasksPopoverController& tasks = corvelle::TasksPopoverController::shared();
    tasks.show(tasksAnchor(window), corvelle::PopoverController::Edge::bottom);
    settle(corvelle::TasksPopoverController::animationMilliseconds + 400);
    held->release();
    waitFor([&] { return held->isDone() || held->progress() >= 0.2; }, 30000);
    // The rows follow the task through notes that reach the main thread a moment later.
    settle(50);
    failures += !save({window, tasks.popover()}, output.filePath(QStringLiteral("2-tasks.png")));
    // Its thousand files are not wanted in the window.
    held->cancel();
    waitFor([] { return !halvex::TaskManager::shared().isBusy(); }, 60000);
    settle(300);
    tasks.close();
    settle(300);

    // 3. The welcome section.
    editor->metadataFileList()->removeAllFiles();
    waitFor([&] { return editor->effectiveSection() == corvelle::EditorContentSection::welcome; }, 5000);
    settle(500);
    failures += !save({window}, output.filePath(QStringLiteral("3-welcome.png")));

    // 12. The map section with every file selected and named, over the base map: no tile server,
    // so that the picture does not depend on the network.
    brisa::UserDefaults::standard().set(corvelle::Settings::mapStandardTileURLTemplate(), QString());
    brisa::UserDefaults::standard().set(corvelle::Settings::mapDisplayFilenameUserChoice(),
                                        corvelle::MapDisplayFilenameUserChoice::display);
    brisa::UserDefaults::standard().set(corvelle::Settings::mapEditingSidebarState(), corvelle::EditingSidebarState::enabled);
    controller.takeHandOver(ten);
    waitFor([&] { return editor->metadataFileList()->files().size() == ten.size(); }, 60000);
    editor->setContentSection(corvelle::EditorContentSection::map);
    editor->metadataFileList()->selectAllFiles();
    if (auto* map = qobject_cast<corvelle::EditorMapViewController*>(editor->editorViewController())) {
        map->mapView()->setRegion(halvex::CoordinateRegion(halvex::Coordinate(48.86, 2.30), 0.08, 0.12));
    }
    settle(1000);
    failures += !save({window}, output.filePath(QStringLiteral("12-map.png")));
    // 12b. One file selected: its place in the sidebar.
    for (int row = 0; row < editor->metadataFileList()->files().size(); ++row) {
        editor->metadataFileList()->setSelection(brisa::IndexSet{row});
        if (halvex::gpsCoordinate(editor->metadataFileList()->selectedEditors()))
            break;
    }
    if (auto* map = qobject_cast<corvelle::EditorMapViewController*>(editor->editorViewController()))
        map->zoomToFitSelection();
    settle(600);
    failures += !save({window}, output.filePath(QStringLiteral("12b-map-sidebar.png")));

    // Two favourite places for the sheet below.
    halvex::LocationManager::shared().setItems(
        {std::make_shared<halvex::LocationItem>(QStringLiteral("Home"), halvex::Location(46.2044, 6.1432)),
         std::make_shared<halvex::LocationItem>(QString(), halvex::Location(45.764, 4.8357))});

    // 13. The find-location sheet over the map section, a town typed.
    if (corvelle::FindLocationWindowController* sheet = editor->locationActions().searchLocation()) {
        sheet->searchField()->setText(QStringLiteral("Zürich"));
        sheet->search(true);
        waitFor([&] { return !sheet->searchEngine()->isSearching(); }, 30000);
        settle(800);
        failures += !save({window, sheet}, output.filePath(QStringLiteral("13-find-location.png")));
        // 13b. The place on display edited by hand.
        sheet->editCurrentLocation();
        waitFor([&] { return sheet->locationEditSheet() && sheet->locationEditSheet()->isVisible(); }, 5000);
        settle(500);
        if (corvelle::LocationEditWindowController* edit = sheet->locationEditSheet()) {
            failures += !save({window, sheet, edit}, output.filePath(QStringLiteral("13b-location-edit.png")));
            edit->reject();
            settle(300);
        } else {
            std::fprintf(stderr, "the location edit sheet did not open\n");
            ++failures;
        }
        sheet->reject();
        settle(300);
    } else {
        std::fprintf(stderr, "the find-location sheet did not open\n");
        ++failures;
    }

    // 14, 15. The tags section over the ten files, as a list and as a grid: a few files selected,
    // a description of several lines (edited) and keywords among the rows.
    halvex::TagSetManager::shared().replace(halvex::TagSetManager::Domain::chosen, [](const halvex::TagSet&) {
        const auto name = [](const char* raw) { return halvex::TagSet::FlatEntry(ostrak::TagName::fromRawValue(QString::fromLatin1(raw))); };
        return halvex::TagSet(QList<halvex::TagSet::FlatEntry>{
            halvex::TagSection(QStringLiteral("Movie")), name("ItemList:Title"), name("Keys:Title"), name("Keys:Description"),
            name("Keys:Keywords"), name("XMP-dc:Subject"), halvex::TagSection(QStringLiteral("Dates")),
            name("QuickTime:CreateDate"), name("Keys:CreationDate"), halvex::TagSection(QStringLiteral("Camera")),
            name("Keys:Make"), name("Keys:Model"), name("QuickTime:Duration")});
    });
    editor->metadataFileList()->setSelection(brisa::IndexSet{0});
    {
        const auto first = editor->metadataFileList()->selectedEditors();
        halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>([first] {
            for (const auto& tagEditor : first) {
                tagEditor->setValue(QStringLiteral("Harbour at dawn, seen from the ferry.\nThe light comes up behind the cranes;\nthe gulls follow the boat in."),
                                    ostrak::TagName::fromRawValue(QStringLiteral("Keys:Description")));
                tagEditor->setValues({QStringLiteral("harbour"), QStringLiteral("dawn"), QStringLiteral("ferry"), QStringLiteral("cranes")},
                                     ostrak::TagName::fromRawValue(QStringLiteral("XMP-dc:Subject")));
            }
        }));
        waitFor([] { return !halvex::TaskManager::shared().isBusy(); }, 30000);
    }
    editor->metadataFileList()->setSelection(brisa::IndexSet{0});
    int tagShot = 14;
    for (const auto mode : {corvelle::FileViewModeUserChoice::list, corvelle::FileViewModeUserChoice::grid}) {
        brisa::UserDefaults::standard().set(corvelle::Settings::tagsSectionFileViewMode(), mode);
        editor->setContentSection(corvelle::EditorContentSection::tags);
        settle(800);
        if (auto* tags = qobject_cast<corvelle::EditorTagsViewController*>(editor->editorViewController())) {
            if (corvelle::EditorTagBarController* bar = tags->tagBarController()) {
                bar->valueTableView()->setFocus();
                bar->valueTableView()->selectRow(3);
            }
        }
        settle(1500);
        failures += !save({window}, output.filePath(QStringLiteral("%1-tags-%2.png")
                                                        .arg(tagShot++)
                                                        .arg(mode == corvelle::FileViewModeUserChoice::list ? "list" : "grid")));
    }

    halvex::TaskManager::shared().shutdown();
    return failures == 0 ? 0 : 1;
}
