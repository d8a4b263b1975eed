#pragma once

#include "editor/EditorCommandFamily.h"
#include "engine/halvex/tasks/ImportTagValuesTask.h"
#include "engine/ostrak/TagItem.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QFileDialog;

namespace halvex {
class AbstractTask;
class TagEditor;
} // namespace halvex

namespace corvelle {

class EditorWindowController;

// The Import and Export commands of the editor window: one file's tags copied into the
// selected files, sidecar files written and read, CSV tables of every listed file.
//
// The tag and sidecar commands act on the selected files, the CSV commands on every listed
// file; none acts in the raw section. Each command asks for what it needs in a file dialog on
// the window and queues one task; nothing is written to the media files before a save but the
// sidecars an export makes.
class EditorImportExportActions : public EditorCommandFamily {
public:
    // One sidecar kind: the extension the task gets, and its commands (empty when it has none).
    struct SidecarKind {
        QString extension;
        QString exportToFolder;
        QString importBeside;
        QString exportBeside;
    };
    static const QList<SidecarKind>& sidecarKinds();

    // The file dialogs' object name, for whoever drives them.
    static const QString panelObjectName;

    explicit EditorImportExportActions(EditorWindowController& controller);

    using EditorCommandFamily::perform;
    using EditorCommandFamily::validateItem;
    MenuValidation validateItem(const QString& action, QAction* item) const override;
    void perform(const QString& action, QAction* sender) override;

    // --- Rules

    bool canImportExportTags() const;
    bool canImportExportCSVTable() const;

    // --- Actions

    void importTagsWithFastOptions();
    // The same, leaving out the tags or the tag streams chosen in a picker; the choice is kept
    // for the next import.
    void importTagsWithTagOptions();
    void importTagsWithStreamOptions();
    void exportTagsToFolder(const QString& extension);
    void syncSidecarsBeside(const QString& extension, bool exports);
    void importCopies();
    void importCSVTable();
    void exportCSVTableWithAllTags();
    // The columns are the tags chosen in a picker, in its order; the choice is kept for next time.
    void exportCSVTableWithOptions();
    // The section of the chosen tag set whose index the sender's data holds.
    void exportCSVTableWithSection(QAction* sender);

    // The folder that holds every file (a selected folder stands for itself);
    // none when they share none.
    static std::optional<QString> commonFolder(const QList<std::shared_ptr<halvex::TagEditor>>& editors);
    // The tag items of one section of the chosen tag set, in order; empty for an index out of range.
    static QList<ostrak::TagItem> sectionTagItems(int sectionIndex);

private:
    using ImportContinuation = std::function<void(halvex::ImportTagValuesTask::Settings settings)>;
    // Asks for the file whose tags go into the selected files, then hands on the task's settings.
    void chooseImportSource(ImportContinuation continuation);
    // The tag items of the names the tag database knows, in order.
    static QList<ostrak::TagItem> knownTagItems(const QList<ostrak::TagName>& names);
    static QList<ostrak::TagName> tagNames(const QList<ostrak::TagItem>& items);

    using UrlCompletion = std::function<void(const QUrl& url)>;
    // A window-modal dialog; the completion runs with the chosen URL only when confirmed.
    void showPanel(QFileDialog* panel, UrlCompletion completion);
    QFileDialog* makePanel(const QString& acceptKey) const;
    void chooseCSVDestination(const QList<ostrak::TagItem>& items);
    QList<std::shared_ptr<halvex::TagEditor>> allEditors() const;
    static void addTask(std::shared_ptr<halvex::AbstractTask> task);

    EditorWindowController& controller_;
};

} // namespace corvelle
