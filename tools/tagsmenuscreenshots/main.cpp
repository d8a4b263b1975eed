// Pictures of the Tags menu for reviewing its look: the menu over the tags section with a row
// selected, each of its submenus beside it, the stream picker of the chosen-stream deletion and
// the question asked before a deletion. Run through scripts/make-tags-menu-screenshots.sh, which
// gives it a private X server and home.

#include "app/AppController.h"
#include "app/MainMenu.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "widgets/TextLocalizer.h"

#include "ScreenshotSupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using screenshots::save;
using screenshots::settle;
using screenshots::waitFor;

QString plain(QString title)
{
    // Mnemonics put an ampersand into the titles.
    return title.remove(QLatin1Char('&'));
}

QMessageBox* shownAlert()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

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
    for (const char* name : {"movie.mp4", "movie.mov", "movie-itunmovi.mp4"}) {
        const QString target = QDir(files.path()).filePath(QString::fromLatin1(name));
        QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/") + QString::fromLatin1(name), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        paths << target;
    }

    corvelle::AppController controller;
    if (!controller.launch()) {
        std::fprintf(stderr, "the application did not launch\n");
        return 1;
    }
    controller.takeHandOver(paths);
    auto* editor = dynamic_cast<corvelle::EditorWindowController*>(controller.existingEditorWindowController());
    if (!editor)
        return 1;
    QMainWindow* window = editor->window();
    window->resize(1300, 760);
    window->move(0, 0);
    if (!waitFor([&] { return editor->metadataFileList()->files().size() == paths.size(); }, 60000)) {
        std::fprintf(stderr, "the files did not open\n");
        return 1;
    }
    waitFor([] { return !halvex::TaskManager::shared().isBusy(); }, 60000);
    editor->setContentSection(corvelle::EditorContentSection::tags);
    editor->metadataFileList()->setSelection(brisa::IndexSet({0}));
    settle(300);
    // The first tag row selected.
    halvex::TagValueTable* table = editor->tagValueTable();
    const auto entries = table->content().entries();
    for (int index = 0; index < entries.size(); ++index) {
        if (entries.at(index).isRow()) {
            halvex::TagValueTable::Request request = table->latestRequest();
            request.selectedEntryIndexes = brisa::IndexSet({index});
            table->reload(request);
            break;
        }
    }
    settle(800);

    QMenu* tags = nullptr;
    for (QMenu* menu : controller.mainMenu().menus()) {
        if (plain(menu->title()) == corvelle::localizedString(QStringLiteral("MainMenuTagsMenu")))
            tags = menu;
    }
    if (!tags) {
        std::fprintf(stderr, "no Tags menu\n");
        return 1;
    }
    int failures = 0;
    const QPoint origin = window->mapToGlobal(QPoint(160, 30));
    tags->popup(origin);
    settle(500);
    failures += !save({window, tags}, output.filePath(QStringLiteral("tags-menu.png")));

    // Each submenu beside the menu, level with its item.
    int shot = 1;
    QList<std::pair<QMenu*, QAction*>> submenus;
    for (QAction* item : tags->actions()) {
        if (QMenu* submenu = item->menu()) {
            submenus << std::pair{submenu, item};
            // The section submenu of the copy menu, one level down.
            for (QAction* inner : submenu->actions()) {
                if (inner->menu() && plain(item->text()) == corvelle::localizedString(QStringLiteral("MainMenuCopyTagsMenu")))
                    submenus << std::pair{inner->menu(), inner};
            }
        }
    }
    for (const auto& [submenu, item] : submenus) {
        QMenu* parent = tags;
        for (const auto& [outer, outerItem] : submenus) {
            if (outer->actions().contains(item))
                parent = outer;
        }
        if (!tags->isVisible()) {
            tags->popup(origin);
            settle(300);
        }
        if (parent != tags && !parent->isVisible()) {
            // The section menu lies one level down: its own menu opens first.
            for (QAction* outerItem : tags->actions()) {
                if (outerItem->menu() == parent) {
                    tags->setActiveAction(outerItem);
                    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
                    QApplication::sendEvent(tags, &right);
                }
            }
            settle(300);
        }
        // Opened from the keyboard, as the menu opens it beside the item.
        parent->setActiveAction(item);
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(parent, &right);
        settle(500);
        QList<const QWidget*> shown{window, tags, submenu};
        if (parent != tags)
            shown << parent;
        const QString name = QStringLiteral("tags-submenu-%1-%2.png")
                                 .arg(shot++)
                                 .arg(plain(item->text()).toLower().replace(QLatin1Char(' '), QLatin1Char('-')).remove(QLatin1Char('.')));
        failures += !save(shown, output.filePath(name));
        tags->hide();
        settle(300);
    }
    // The stream picker of the chosen-stream deletion.
    editor->performCommand(QStringLiteral("deleteChosenStreamBlock:"), nullptr);
    if (waitFor([window] { return brisa::SheetPresenter::attachedSheet(window) != nullptr; }, 5000)) {
        QDialog* sheet = brisa::SheetPresenter::attachedSheet(window);
        settle(800);
        failures += !save({window, sheet}, output.filePath(QStringLiteral("tags-delete-chosen-streams.png")));
        sheet->reject();
        settle(400);
    } else {
        ++failures;
    }

    // The question asked before the files are written.
    editor->performCommand(QStringLiteral("deleteXMPStreamBlock:"), nullptr);
    if (waitFor([] { return shownAlert() != nullptr; }, 5000)) {
        QMessageBox* alert = shownAlert();
        settle(800);
        failures += !save({window, alert}, output.filePath(QStringLiteral("tags-immediate-action-alert.png")));
        alert->reject();
        settle(400);
    } else {
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
