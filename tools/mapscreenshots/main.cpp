// Pictures of the map section and of the find-location sheet, taken under a private X server by
// scripts/make-map-screenshots.sh: the section with every file as a named pin and the location
// sidebar, then one file selected; the sheet with a town searched, its map style menu open, and
// a favourite turned by the direction slider. No tile server is set, so the pictures show the
// offline base map and do not depend on the network.
#include "ScreenshotSupport.h"

#include "app/AppController.h"
#include "editor/EditorLocationActions.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/libraries/LocationManager.h"
#include "engine/halvex/places/TagEditorLocationList.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/ExifToolPool.h"
#include "filemodel/MetadataFileList.h"
#include "map/EditorMapViewController.h"
#include "map/FindLocationWindowController.h"
#include "map/LocationSearchEngine.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/maps/SyncRegionMapView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>

namespace {

using screenshots::save;
using screenshots::settle;
using screenshots::waitFor;

// Copies of the fixtures with a position (Paris, New York, Marseille) and one without.
QStringList makeFiles(const QDir& folder)
{
    const QList<std::pair<const char*, const char*>> copies = {
        {"movie.mp4", "Along the Seine.mp4"}, {"movie.mov", "Harbour ferry.mov"},
        {"sidecar.xmp", "Old port.xmp"},      {"audio.m4a", "Interview.m4a"},
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

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    QApplication::setOrganizationName(QStringLiteral("Corvelle"));
    QApplication::setDesktopFileName(QStringLiteral("corvelle"));
    const QDir output(app.arguments().value(1, QStringLiteral("screenshots")));
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(output.path()));
        return 1;
    }
    QTemporaryDir folder;
    const QStringList files = makeFiles(QDir(folder.path()));

    brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    defaults.set(corvelle::Settings::mapStandardTileURLTemplate(), QString());
    defaults.set(corvelle::Settings::mapDisplayFilenameUserChoice(), corvelle::MapDisplayFilenameUserChoice::display);
    defaults.set(corvelle::Settings::mapEditingSidebarState(), corvelle::EditingSidebarState::enabled);

    corvelle::AppController controller;
    if (!controller.launch())
        return 1;
    ostrak::ExifToolPool::shared().prestart();
    controller.takeHandOver(files);
    auto* editor = dynamic_cast<corvelle::EditorWindowController*>(controller.existingEditorWindowController());
    if (!editor) {
        std::fprintf(stderr, "no editor window\n");
        return 1;
    }
    QMainWindow* window = editor->window();
    window->resize(1280, 800);
    window->move(0, 0);
    int failures = 0;
    if (!waitFor([&] { return editor->metadataFileList()->files().size() == files.size(); }, 60000))
        std::fprintf(stderr, "only %d files opened\n", int(editor->metadataFileList()->files().size()));

    // 1. The map section: every file selected, each one with a position a named pin.
    editor->setContentSection(corvelle::EditorContentSection::map);
    editor->metadataFileList()->selectAllFiles();
    auto* section = qobject_cast<corvelle::EditorMapViewController*>(editor->editorViewController());
    if (!section) {
        std::fprintf(stderr, "the map section did not open\n");
        return 1;
    }
    settle(800);
    section->zoomToFitSelection();
    settle(1000);
    failures += !save({window}, output.filePath(QStringLiteral("map-1-section.png")));

    // 2. One file selected: its position and address in the sidebar.
    for (int row = 0; row < editor->metadataFileList()->files().size(); ++row) {
        if (editor->metadataFileList()->files()[row]->filename() == QStringLiteral("Along the Seine.mp4"))
            editor->metadataFileList()->setSelection(brisa::IndexSet{row});
    }
    settle(800);
    section->zoomToFitSelection();
    settle(800);
    failures += !save({window}, output.filePath(QStringLiteral("map-2-sidebar.png")));

    // Two favourites for the sheet, one of them untitled.
    halvex::LocationManager::shared().setItems(
        {std::make_shared<halvex::LocationItem>(QStringLiteral("Home"), halvex::Location(46.2044, 6.1432)),
         std::make_shared<halvex::LocationItem>(QString(), halvex::Location(45.764, 4.8357))});

    corvelle::FindLocationWindowController* sheet = editor->locationActions().searchLocation();
    if (!sheet) {
        std::fprintf(stderr, "the find-location sheet did not open\n");
        return 1;
    }
    // 3. A town searched: the towns found, the first one taken.
    waitFor([&] { return sheet->isVisible(); }, 5000);
    sheet->searchField()->setText(QStringLiteral("Lausanne"));
    sheet->search(true);
    if (!waitFor([&] { return !sheet->searchEngine()->isSearching(); }, 30000))
        std::fprintf(stderr, "the search did not end\n");
    settle(800);
    failures += !save({window, sheet}, output.filePath(QStringLiteral("map-3-find-location.png")));

    // 4. The map style menu, open.
    QMenu* styles = sheet->mapStyleMenu();
    styles->popup(sheet->mapStyleButton()->mapToGlobal(QPoint(0, sheet->mapStyleButton()->height())));
    settle(600);
    failures += !save({window, sheet, styles}, output.filePath(QStringLiteral("map-4-style-menu.png")));
    styles->hide();
    settle(200);

    // 5. A favourite picked and turned to the north-east: the direction pin.
    sheet->favoritesTableView()->setCurrentIndex(sheet->favoritesTableView()->model()->index(0, 0));
    sheet->directionSlider()->setValue(450);
    settle(800);
    failures += !save({window, sheet}, output.filePath(QStringLiteral("map-5-direction.png")));
    sheet->reject();
    settle(300);

    std::fprintf(stderr, "%d picture(s) failed\n", failures);
    halvex::TaskManager::shared().shutdown();
    return failures == 0 ? 0 : 1;
}
