#include "editor/EditorImportExportActions.h"

#include "editor/EditorWindowController.h"
#include "editor/FileDialogSheet.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/ExportCSVTableTask.h"
#include "engine/halvex/tasks/ExportTagValuesTask.h"
#include "engine/halvex/tasks/ImportCSVTableTask.h"
#include "engine/halvex/tasks/ImportTagValuesTask.h"
#include "engine/halvex/tasks/SyncSidecarFilesTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/EditionSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "tags/TagNamesPickerWindowController.h"
#include "tags/TagStreamsPickerWindowController.h"
#include "tags/TagsSettings.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QPointer>

namespace corvelle {

const QString EditorImportExportActions::panelObjectName = QStringLiteral("ImportExportPanel");

const QList<EditorImportExportActions::SidecarKind>& EditorImportExportActions::sidecarKinds()
{
    static const QList<SidecarKind> kinds{
        {QStringLiteral("exif"), QStringLiteral("exportTagsToEXIFSidecar:"), QStringLiteral("importEXIFSidecar:"), QStringLiteral("exportEXIFSidecar:")},
        {QStringLiteral("mie"), QStringLiteral("exportTagsToMIESidecar:"), QStringLiteral("importMIESidecar:"), QStringLiteral("exportMIESidecar:")},
        {QStringLiteral("exv"), QStringLiteral("exportTagsToEXVSidecar:"), QStringLiteral("importEXVSidecar:"), QStringLiteral("exportEXVSidecar:")},
        {QStringLiteral("icc"), QStringLiteral("exportTagsToICCSidecar:"), QStringLiteral("importICCSidecar:"), QStringLiteral("exportICCSidecar:")},
        {QStringLiteral("vrd"), QStringLiteral("exportTagsToVRDSidecar:"), QStringLiteral("importVRDSidecar:"), QStringLiteral("exportVRDSidecar:")},
        {QStringLiteral("xmp"), QStringLiteral("exportTagsToXMPSidecar:"), QStringLiteral("importXMPSidecar:"), QStringLiteral("exportXMPSidecar:")},
        {QStringLiteral("csv"), QStringLiteral("exportTagsToCSVSidecar:"), {}, {}},
        {QStringLiteral("json"), QStringLiteral("exportTagsToJSONSidecar:"), {}, {}},
    };
    return kinds;
}

namespace {

// The two flags of a sidecar task come from the edition settings, read when it is made.
halvex::SyncSidecarFilesTask::Settings sidecarSettings(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    halvex::SyncSidecarFilesTask::Settings settings;
    settings.editors = editors;
    const brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    settings.fixInvalidOffsets = defaults.value(Settings::editionUserChoiceCorrections())
                                 == CorrectionsEditionUserChoice::fixInvalidOffsets;
    settings.ignoreErrors = defaults.value(Settings::editionUserChoiceErrorsBehavior())
                            == ErrorsBehaviorEditionUserChoice::ignore;
    return settings;
}

} // namespace

EditorImportExportActions::EditorImportExportActions(EditorWindowController& controller)
    : controller_(controller)
{
    const auto row = [](const QString& command, std::function<bool()> isEnabled, std::function<void()> run) {
        return EditorCommand{command, menuTextKey(command), {}, {}, std::move(isEnabled), {}, std::move(run)};
    };
    const auto tags = [this] { return canImportExportTags(); };
    const auto tables = [this] { return canImportExportCSVTable(); };
    QList<EditorCommand> commands{
        row(QStringLiteral("importTagsWithFastOptions:"), tags, [this] { importTagsWithFastOptions(); }),
        row(QStringLiteral("importTagsWithTagOptions:"), tags, [this] { importTagsWithTagOptions(); }),
        row(QStringLiteral("importTagsWithStreamOptions:"), tags, [this] { importTagsWithStreamOptions(); }),
    };
    for (const SidecarKind& kind : sidecarKinds())
        commands << row(kind.exportToFolder, tags, [this, extension = kind.extension] { exportTagsToFolder(extension); });
    for (const SidecarKind& kind : sidecarKinds()) {
        if (!kind.importBeside.isEmpty())
            commands << row(kind.importBeside, tags, [this, extension = kind.extension] { syncSidecarsBeside(extension, false); });
    }
    commands << row(QStringLiteral("importCopiesSidecar:"), tags, [this] { importCopies(); });
    for (const SidecarKind& kind : sidecarKinds()) {
        if (!kind.exportBeside.isEmpty())
            commands << row(kind.exportBeside, tags, [this, extension = kind.extension] { syncSidecarsBeside(extension, true); });
    }
    commands << row(QStringLiteral("importCSVTable:"), tables, [this] { importCSVTable(); })
             << row(QStringLiteral("exportCSVTableWithOptions:"), tables, [this] { exportCSVTableWithOptions(); })
             << row(QStringLiteral("exportCSVTableWithAllTags:"), tables, [this] { exportCSVTableWithAllTags(); })
             << row(QStringLiteral("exportCSVTableWithSection:"), tables, [] {});
    setCommands(commands);
}

MenuValidation EditorImportExportActions::validateItem(const QString& action, QAction* item) const
{
    const MenuValidation validation = EditorCommandFamily::validateItem(action);
    if (validation != MenuValidation::enabled || action != QLatin1String("exportCSVTableWithSection:") || !item)
        return validation;
    bool ok = false;
    const int section = item->data().toInt(&ok);
    return ok && !sectionTagItems(section).isEmpty() ? MenuValidation::enabled : MenuValidation::disabled;
}

void EditorImportExportActions::perform(const QString& action, QAction* sender)
{
    if (action == QLatin1String("exportCSVTableWithSection:"))
        exportCSVTableWithSection(sender);
    else
        EditorCommandFamily::perform(action);
}

// --- Rules

bool EditorImportExportActions::canImportExportTags() const
{
    return controller_.effectiveSection() != EditorContentSection::raw && controller_.metadataFileList()->hasSelection();
}

bool EditorImportExportActions::canImportExportCSVTable() const
{
    return controller_.effectiveSection() != EditorContentSection::raw && controller_.metadataFileList()->hasFiles();
}

// --- Panels

QFileDialog* EditorImportExportActions::makePanel(const QString& acceptKey) const
{
    return FileDialogSheet::makePanel(controller_.window(), panelObjectName, acceptKey);
}

void EditorImportExportActions::showPanel(QFileDialog* panel, UrlCompletion completion)
{
    FileDialogSheet::present(controller_.window(), panel, std::move(completion));
}

QList<std::shared_ptr<halvex::TagEditor>> EditorImportExportActions::allEditors() const
{
    QList<std::shared_ptr<halvex::TagEditor>> editors;
    for (const MetadataFilePointer& file : controller_.metadataFileList()->files())
        editors << file->editor();
    return editors;
}

void EditorImportExportActions::addTask(std::shared_ptr<halvex::AbstractTask> task)
{
    halvex::TaskManager::shared().add(std::move(task));
}

// --- Tags from another file

void EditorImportExportActions::chooseImportSource(ImportContinuation continuation)
{
    if (!canImportExportTags() || !controller_.window())
        return;
    const auto editors = controller_.metadataFileList()->selectedEditors();
    if (editors.isEmpty())
        return;
    QStringList patterns;
    for (const halvex::MediaType& type : halvex::ImportTagValuesTask::supportedSourceTypes()) {
        for (const QString& extension : type.extensions())
            patterns << QStringLiteral("*.") + extension.toLower() << QStringLiteral("*.") + extension.toUpper();
    }
    patterns.sort();
    patterns.removeDuplicates();
    QFileDialog* panel = makePanel(QStringLiteral("ImportPanelImportButtonTitle"));
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setNameFilter(localizedString(QStringLiteral("OpenPanelMediaFilesFilter")) + QStringLiteral(" (")
                         + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    showPanel(panel, [editors, continuation = std::move(continuation)](const QUrl& url) {
        halvex::ImportTagValuesTask::Settings settings(editors);
        settings.source = halvex::TagStorageSource(url);
        continuation(std::move(settings));
    });
}

void EditorImportExportActions::importTagsWithFastOptions()
{
    chooseImportSource([](halvex::ImportTagValuesTask::Settings settings) {
        addTask(std::make_shared<halvex::ImportTagValuesTask>(settings));
    });
}

void EditorImportExportActions::importTagsWithTagOptions()
{
    QPointer<QWidget> window = controller_.window();
    chooseImportSource([window](halvex::ImportTagValuesTask::Settings settings) {
        if (!window)
            return;
        auto* picker = new TagNamesPickerWindowController;
        picker->selectTagItems(knownTagItems(brisa::UserDefaults::standard().value(Settings::tagsImportChosenNames())));
        picker->setInstructions(localizedString(QStringLiteral("SelectSeveralExcludedTagNamesPickerTitle")));
        TagPickerSheet::presentOnce(window, picker, [picker, settings]() mutable {
            const QList<ostrak::TagName> names = tagNames(picker->selectedTagItems());
            brisa::UserDefaults::standard().set(Settings::tagsImportChosenNames(), names);
            settings.excludedNames = QSet<ostrak::TagName>(names.cbegin(), names.cend());
            addTask(std::make_shared<halvex::ImportTagValuesTask>(settings));
        });
    });
}

void EditorImportExportActions::importTagsWithStreamOptions()
{
    QPointer<QWidget> window = controller_.window();
    chooseImportSource([window](halvex::ImportTagValuesTask::Settings settings) {
        if (!window)
            return;
        auto* picker = new TagStreamsPickerWindowController;
        picker->selectTagStreams(brisa::UserDefaults::standard().value(Settings::tagsImportChosenStreams()));
        picker->setInstructions(localizedString(QStringLiteral("SelectSeveralExcludedTagStreamsPickerTitle")));
        TagPickerSheet::presentOnce(window, picker, [picker, settings]() mutable {
            const QList<ostrak::TagStream> streams = picker->selectedTagStreams();
            brisa::UserDefaults::standard().set(Settings::tagsImportChosenStreams(), streams);
            settings.excludedStreams = QSet<ostrak::TagStream>(streams.cbegin(), streams.cend());
            addTask(std::make_shared<halvex::ImportTagValuesTask>(settings));
        });
    });
}

QList<ostrak::TagItem> EditorImportExportActions::knownTagItems(const QList<ostrak::TagName>& names)
{
    QList<ostrak::TagItem> items;
    for (const ostrak::TagName& name : names) {
        if (const auto item = name.item())
            items << *item;
    }
    return items;
}

QList<ostrak::TagName> EditorImportExportActions::tagNames(const QList<ostrak::TagItem>& items)
{
    QList<ostrak::TagName> names;
    for (const ostrak::TagItem& item : items)
        names << item.tagName();
    return names;
}

// --- Sidecars

void EditorImportExportActions::exportTagsToFolder(const QString& extension)
{
    if (!canImportExportTags() || !controller_.window())
        return;
    const auto editors = controller_.metadataFileList()->selectedEditors();
    if (editors.isEmpty())
        return;
    QFileDialog* panel = FileDialogSheet::makeFolderPanel(controller_.window(), panelObjectName, QStringLiteral("ExportPanelExportButtonTitle"));
    showPanel(panel, [editors, extension](const QUrl& url) {
        addTask(std::make_shared<halvex::ExportTagValuesTask>(
            halvex::ExportTagValuesTask::Settings{editors, url, extension, nullptr}));
    });
}

std::optional<QString> EditorImportExportActions::commonFolder(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    std::optional<QStringList> common;
    for (const auto& editor : editors) {
        const QString path = QDir::cleanPath(editor->source().url().toLocalFile());
        // The file system says what is a folder: "Trip.2023" may be one, "README" a file.
        const QString folder = QFileInfo(path).isDir() ? path : QFileInfo(path).absolutePath();
        const QStringList parts = folder.split(QLatin1Char('/'));
        if (!common) {
            common = parts;
            continue;
        }
        qsizetype shared = 0;
        while (shared < common->size() && shared < parts.size() && common->at(shared) == parts.at(shared))
            ++shared;
        *common = common->mid(0, shared);
    }
    if (!common || common->isEmpty())
        return std::nullopt;
    const QString folder = common->join(QLatin1Char('/'));
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}

void EditorImportExportActions::syncSidecarsBeside(const QString& extension, bool exports)
{
    if (!canImportExportTags() || !controller_.window())
        return;
    const auto editors = controller_.metadataFileList()->selectedEditors();
    if (editors.isEmpty())
        return;
    const std::optional<QString> folder = commonFolder(editors);
    if (!folder)
        return;
    const auto queue = [editors, extension, exports] {
        halvex::SyncSidecarFilesTask::Settings settings = sidecarSettings(editors);
        settings.exports = exports;
        settings.extension = extension;
        addTask(std::make_shared<halvex::SyncSidecarFilesTask>(settings));
    };
    // Sidecars are made beside the files: a folder the user may not change needs their word
    // before anything is tried there.
    // A folder left with no write bit was made read-only on purpose, whoever asks.
    const QFileInfo info(*folder);
    constexpr auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (info.isDir() && info.isWritable() && (info.permissions() & writeBits)) {
        queue();
        return;
    }
    QFileDialog* panel = FileDialogSheet::makeFolderPanel(controller_.window(), panelObjectName, QStringLiteral("SidecarPanelAuthorizeButtonTitle"));
    panel->setDirectory(*folder);
    showPanel(panel, [queue, folder = *folder](const QUrl& url) {
        if (QDir::cleanPath(url.toLocalFile()) == QDir::cleanPath(folder))
            queue();
        else
            QApplication::beep();
    });
}

void EditorImportExportActions::importCopies()
{
    if (!canImportExportTags() || !controller_.window())
        return;
    const auto editors = controller_.metadataFileList()->selectedEditors();
    if (editors.isEmpty())
        return;
    QFileDialog* panel = FileDialogSheet::makeFolderPanel(controller_.window(), panelObjectName, QStringLiteral("SidecarPanelChooseButtonTitle"));
    showPanel(panel, [editors](const QUrl& url) {
        halvex::SyncSidecarFilesTask::Settings settings = sidecarSettings(editors);
        settings.folder = url;
        addTask(std::make_shared<halvex::SyncSidecarFilesTask>(settings));
    });
}

// --- CSV tables

void EditorImportExportActions::importCSVTable()
{
    if (!canImportExportCSVTable() || !controller_.window())
        return;
    const auto editors = allEditors();
    if (editors.isEmpty())
        return;
    QFileDialog* panel = makePanel(QStringLiteral("ImportPanelImportButtonTitle"));
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setNameFilter(QStringLiteral("CSV (*.csv *.CSV)"));
    showPanel(panel, [editors](const QUrl& url) {
        addTask(std::make_shared<halvex::ImportCSVTableTask>(halvex::ImportCSVTableTask::Settings{editors, url}));
    });
}

void EditorImportExportActions::chooseCSVDestination(const QList<ostrak::TagItem>& items)
{
    const auto editors = allEditors();
    if (editors.isEmpty() || !controller_.window())
        return;
    QFileDialog* panel = makePanel(QStringLiteral("ExportPanelExportButtonTitle"));
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setNameFilter(QStringLiteral("CSV (*.csv)"));
    panel->setDefaultSuffix(QStringLiteral("csv"));
    panel->selectFile(QStringLiteral("table.csv"));
    // With no columns given, the columns are those of the tag set current when the dialog closes.
    showPanel(panel, [editors, items](const QUrl& url) {
        halvex::ExportCSVTableTask::Settings settings(editors);
        settings.tagItems = items;
        if (items.isEmpty()) {
            for (const halvex::TagSet::FlatEntry& entry : halvex::TagSetManager::shared().chosenTagSet().entries()) {
                if (const auto item = entry.tagItem())
                    settings.tagItems << *item;
            }
        }
        settings.destination = url;
        addTask(std::make_shared<halvex::ExportCSVTableTask>(settings));
    });
}

void EditorImportExportActions::exportCSVTableWithOptions()
{
    if (!canImportExportCSVTable() || !controller_.window() || allEditors().isEmpty())
        return;
    auto* picker = new TagNamesPickerWindowController;
    picker->selectTagItems(knownTagItems(brisa::UserDefaults::standard().value(Settings::tagsImportCSVTableNames())));
    picker->setInstructions(localizedString(QStringLiteral("SelectCSVTableTagNamesPickerTitle")));
    QPointer<QWidget> window = controller_.window();
    TagPickerSheet::presentOnce(window, picker, [this, window, picker] {
        const QList<ostrak::TagItem> items = picker->selectedTagItems();
        brisa::UserDefaults::standard().set(Settings::tagsImportCSVTableNames(), tagNames(items));
        if (window)
            chooseCSVDestination(items);
    });
}

void EditorImportExportActions::exportCSVTableWithAllTags()
{
    if (canImportExportCSVTable())
        chooseCSVDestination({});
}

QList<ostrak::TagItem> EditorImportExportActions::sectionTagItems(int sectionIndex)
{
    QList<ostrak::TagItem> items;
    int section = -1;
    for (const halvex::TagSet::FlatEntry& entry : halvex::TagSetManager::shared().chosenTagSet().entries()) {
        if (entry.isSection()) {
            ++section;
            continue;
        }
        if (section == sectionIndex) {
            if (const auto item = entry.tagItem())
                items << *item;
        }
    }
    return items;
}

void EditorImportExportActions::exportCSVTableWithSection(QAction* sender)
{
    if (!sender || !canImportExportCSVTable())
        return;
    bool ok = false;
    const int section = sender->data().toInt(&ok);
    if (!ok || section < 0)
        return;
    const QList<ostrak::TagItem> items = sectionTagItems(section);
    if (!items.isEmpty())
        chooseCSVDestination(items);
}

} // namespace corvelle
