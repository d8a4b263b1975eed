// Pictures of the raw section and of the two tag sheets for reviewing their look: three files
// compared side by side, the same narrowed by a search with a row selected, the displayed tag
// list sheet and the tag filter sheet. Run through scripts/make-raw-screenshots.sh, which gives
// it a private X server and home.

#include "app/AppController.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/EditorRawViewController.h"

#include "ScreenshotSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>

namespace {

using screenshots::save;
using screenshots::settle;
using screenshots::waitFor;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    QApplication::setOrganizationName(QStringLiteral("Corvelle"));
    const QDir output(app.arguments().value(1, QStringLiteral("screenshots")));
    if (!QDir().mkpath(output.path()))
        return 1;
    QTemporaryDir files;
    QStringList paths;
    for (const char* name : {"movie.mp4", "movie.mov", "audio.m4a"}) {
        const QString target = QDir(files.path()).filePath(QString::fromLatin1(name));
        QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/") + QString::fromLatin1(name), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        paths << target;
    }

    corvelle::AppController controller;
    if (!controller.launch())
        return 1;
    controller.takeHandOver(paths);
    auto* editor = dynamic_cast<corvelle::EditorWindowController*>(controller.existingEditorWindowController());
    if (!editor)
        return 1;
    QMainWindow* window = editor->window();
    window->resize(1300, 760);
    window->move(0, 0);
    if (!waitFor([&] { return editor->metadataFileList()->files().size() == paths.size(); }, 60000))
        return 1;
    waitFor([] { return !halvex::TaskManager::shared().isBusy(); }, 60000);
    editor->metadataFileList()->setSelection(brisa::IndexSet({0, 1, 2}));
    settle(300);
    editor->performCommand(QStringLiteral("inspectSelectedFiles:"), nullptr);
    const auto raw = [editor] { return qobject_cast<corvelle::EditorRawViewController*>(editor->editorViewController()); };
    if (!waitFor([&] { return raw() && !raw()->isLoadingDataSource() && raw()->tableView()->isVisible(); }, 30000))
        return 1;
    settle(800);
    bool saved = save({window}, output.filePath(QStringLiteral("raw-section.png")));

    // As typed: the field sends what the user types, not what the program sets.
    raw()->searchField()->setText(QStringLiteral("title"));
    raw()->searchValue(QStringLiteral("title"));
    settle(300);
    raw()->tableView()->selectRow(1);
    settle(800);
    saved = save({window}, output.filePath(QStringLiteral("raw-section-search.png"))) && saved;

    // The filter sheet filters the tags section's table.
    editor->setContentSection(corvelle::EditorContentSection::tags);
    settle(500);
    for (const auto& [command, name] : {std::pair{"showTagManagePanel:", "tag-list-sheet.png"},
                                        std::pair{"showTagFilterPanel:", "tag-filter-sheet.png"}}) {
        editor->performCommand(QString::fromLatin1(command), nullptr);
        if (!waitFor([window] { return brisa::SheetPresenter::attachedSheet(window) != nullptr; }, 5000))
            return 1;
        QDialog* sheet = brisa::SheetPresenter::attachedSheet(window);
        settle(800);
        saved = save({window, sheet}, output.filePath(QString::fromLatin1(name))) && saved;
        sheet->reject();
        settle(300);
    }
    return saved ? 0 : 1;
}
