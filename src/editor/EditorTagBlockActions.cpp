#include "editor/EditorTagBlockActions.h"

#include "editor/EditorAlert.h"
#include "editor/EditorFileActions.h"
#include "editor/EditorTagActions.h"
#include "editor/EditorTagEditingPresenter.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/CleanTagValuesTask.h"
#include "engine/halvex/tasks/DeleteItunMoviTask.h"
#include "engine/halvex/tasks/SyncTagValuesTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/EditionSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/TagsSettings.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

namespace corvelle {

namespace {

bool ignoresErrors()
{
    return brisa::UserDefaults::standard().value(Settings::editionUserChoiceErrorsBehavior())
        == ErrorsBehaviorEditionUserChoice::ignore;
}

} // namespace

EditorTagBlockActions::EditorTagBlockActions(EditorWindowController& controller)
    : controller_(controller)
{
    QList<EditorCommand> rows;
    const auto row = [&rows](const QString& name, std::function<bool()> isEnabled, std::function<void()> run) {
        rows << EditorCommand{name, menuTextKey(name), {}, {}, std::move(isEnabled), {}, std::move(run)};
    };
    const auto canAct = [this] { return controller_.fileActions().canActOnSelectedFiles(); };
    row(QStringLiteral("deleteAllStreamBlocks:"), canAct, [this] { deleteStreamBlocks({}, true); });
    const QList<std::pair<const char*, ostrak::TagStream>> streams{
        {"deleteEXIFStreamBlock:", ostrak::TagStream::streamEXIF()},
        {"deleteXMPStreamBlock:", ostrak::TagStream::streamXMP()},
        {"deleteIPTCStreamBlock:", ostrak::TagStream::streamIPTC()},
        {"deleteQuicktimeStreamBlock:", ostrak::TagStream::streamQuickTime()},
    };
    for (const auto& [name, stream] : streams)
        row(QString::fromLatin1(name), canAct, [this, stream] { deleteStreamBlocks({stream}, false); });
    row(QStringLiteral("deleteChosenStreamBlock:"), canAct, [this] { deleteChosenStreamBlock(); });
    row(QStringLiteral("showSyncFolderTagsPanel:"), [this] { return canShowSyncFolderTagsPanel(); },
        [this] { showSyncFolderTagsPanel(); });
    row(QStringLiteral("deleteItunMoviPlist:"), [this] { return canDeleteItunMoviPlist(); },
        [this] { deleteItunMoviPlist(); });
    setCommands(rows);
}

bool EditorTagBlockActions::canShowSyncFolderTagsPanel() const
{
    return controller_.effectiveSection() != EditorContentSection::raw && controller_.canImportExportGeotags()
        && EditorWindowController::tagEditingPresenter();
}

bool EditorTagBlockActions::canDeleteItunMoviPlist() const
{
    return controller_.effectiveSection() != EditorContentSection::raw && controller_.canActOnNonFolderSelection();
}

QList<std::shared_ptr<halvex::TagEditor>> EditorTagBlockActions::selectedEditors(bool folders) const
{
    QList<std::shared_ptr<halvex::TagEditor>> kept;
    for (const std::shared_ptr<halvex::TagEditor>& editor : controller_.metadataFileList()->selectedEditors()) {
        if (editor->isFolder() == folders)
            kept << editor;
    }
    return kept;
}

void EditorTagBlockActions::confirmImmediateAction(std::function<void()> confirmed)
{
    const QString stem = QStringLiteral("ImmediateActionAlert");
    QMessageBox* alert = EditorAlert::make(stem, {stem + QStringLiteral("OKButton"), stem + QStringLiteral("CancelButton")});
    alert->setObjectName(stem);
    QAbstractButton* confirm = EditorAlert::firstButton(alert);
    brisa::SheetPresenter::safeBeginSheetModal(alert, controller_.window(),
                                               [confirm, confirmed = std::move(confirmed)](QAbstractButton* clicked) {
                                                   if (clicked == confirm)
                                                       confirmed();
                                               });
}

void EditorTagBlockActions::tellNothingToDo(const QString& stem)
{
    QMessageBox* alert = EditorAlert::make(stem, {stem + QStringLiteral("OKButton")});
    alert->setObjectName(stem);
    alert->setIcon(QMessageBox::Information);
    brisa::SheetPresenter::safeBeginSheetModal(alert, controller_.window(), [](QAbstractButton*) {});
}

// --- Stream blocks

void EditorTagBlockActions::deleteStreamBlocks(const QList<ostrak::TagStream>& streams, bool allStreams)
{
    if (!controller_.fileActions().canActOnSelectedFiles())
        return;
    QPointer<EditorWindowController> weakController(&controller_);
    confirmImmediateAction([weakController, streams, allStreams] {
        if (!weakController)
            return;
        const QList<std::shared_ptr<halvex::TagEditor>> editors = weakController->metadataFileList()->selectedEditors();
        if (editors.isEmpty())
            return;
        // The settings as they are when the user agrees.
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        halvex::CleanTagValuesTask::Settings settings(editors);
        settings.tagStreams = streams;
        settings.allStreams = allStreams;
        settings.fixInvalidOffsets =
            defaults.value(Settings::editionUserChoiceCorrections()) == CorrectionsEditionUserChoice::fixInvalidOffsets;
        settings.ignoreErrors = ignoresErrors();
        halvex::TaskManager::shared().add(std::make_shared<halvex::CleanTagValuesTask>(settings));
    });
}

void EditorTagBlockActions::deleteChosenStreamBlock()
{
    if (!controller_.fileActions().canActOnSelectedFiles())
        return;
    QPointer<EditorWindowController> weakController(&controller_);
    EditorTagActions::chooseStreams(controller_, Settings::deleteBlocksChosenStreams(),
                                    [weakController](const QList<ostrak::TagStream>& streams) {
                                        // Choosing no stream deletes nothing: there is nothing to ask.
                                        if (weakController && !streams.isEmpty())
                                            weakController->tagBlockActions().deleteStreamBlocks(streams, false);
                                    });
}

// --- Folder synchronisation

void EditorTagBlockActions::showSyncFolderTagsPanel()
{
    EditorTagEditingPresenter* presenter = EditorWindowController::tagEditingPresenter();
    if (!presenter || !canShowSyncFolderTagsPanel())
        return;
    QPointer<EditorWindowController> weakController(&controller_);
    presenter->presentTagCopiesSheet(controller_, brisa::UserDefaults::standard().value(Settings::lastTagCopies()),
                                     [weakController](const std::optional<QList<halvex::TagSyncPair>>& copies) {
                                         if (weakController && copies)
                                             weakController->tagBlockActions().syncFolderTags(*copies);
                                     });
}

void EditorTagBlockActions::syncFolderTags(const QList<halvex::TagSyncPair>& pairs)
{
    brisa::UserDefaults::standard().set(Settings::lastTagCopies(), pairs);
    // Only folders take part: the question is not asked when none is selected.
    const QList<std::shared_ptr<halvex::TagEditor>> folders = selectedEditors(true);
    if (folders.isEmpty()) {
        tellNothingToDo(QStringLiteral("TagSyncWithoutFolderAlert"));
        return;
    }
    confirmImmediateAction([folders, pairs] {
        halvex::SyncTagValuesTask::Settings settings(folders);
        settings.ignoreErrors = ignoresErrors();
        settings.pairs = pairs;
        halvex::TaskManager::shared().add(std::make_shared<halvex::SyncTagValuesTask>(settings));
    });
}

// --- Movie property list

void EditorTagBlockActions::deleteItunMoviPlist()
{
    if (!canDeleteItunMoviPlist())
        return;
    const QList<std::shared_ptr<halvex::TagEditor>> files = selectedEditors(false);
    if (files.isEmpty()) {
        tellNothingToDo(QStringLiteral("ItunMoviDeletionWithoutFileAlert"));
        return;
    }
    // It writes into the files at once, like the other commands of this family: the user agrees first.
    confirmImmediateAction([files] {
        halvex::DeleteItunMoviTask::Settings settings(files);
        settings.ignoreErrors = ignoresErrors();
        halvex::TaskManager::shared().add(std::make_shared<halvex::DeleteItunMoviTask>(settings));
    });
}

} // namespace corvelle
