#pragma once

#include "engine/halvex/tags/TagStorageSource.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/SaveTagEditorsTask.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

namespace halvex {
class AbstractTask;
class TagEditor;
} // namespace halvex

namespace corvelle {

class MetadataFileList;

// Opening and saving the files of an editor window, without the window: which files are new,
// which are on their way in, where dropped files go, and what the engine's import and save tasks
// are given. Every opening and every save is a task of the shared task manager; the files of an
// import join the list when its task is done, told by the task itself.
//
// What needs the user is asked through the questions the window sets. A session without them
// (a test, a window not shown yet) opens folders with the options as they stand, gives the
// engine no password and never replaces a file of the photo library.
class EditorSession : public QObject {
    Q_OBJECT

public:
    // A question's answer: true goes on.
    using Answer = std::function<void(bool)>;
    using PasswordAnswer = std::function<void(const std::optional<QString>& password)>;

    explicit EditorSession(MetadataFileList& fileList, QObject* parent = nullptr);
    ~EditorSession() override;

    MetadataFileList& fileList() const { return fileList_; }

    // --- Questions the window answers

    // Asked before folders (or files without an extension) open: the import options. No means
    // none of the files open.
    void setImportOptionsQuestion(std::function<void(Answer)> question) { importOptionsQuestion_ = std::move(question); }
    // The password handed to the engine for protected files; none without the question.
    void setDecodingPasswordQuestion(std::function<void(PasswordAnswer)> question)
    {
        decodingPasswordQuestion_ = std::move(question);
    }
    // Asked before a file of the photo library is replaced by its saved version. No saves none
    // of the batch.
    void setPhotosReplaceQuestion(std::function<void(Answer)> question) { photosReplaceQuestion_ = std::move(question); }

    // --- Opening

    // Opens the files and folders that are neither open nor on their way in. A drop between rows
    // names the row the files go before; they go last otherwise.
    void addFiles(const QList<QUrl>& urls, std::optional<int> dropIndex = std::nullopt);
    // Queues the import of the sources that are neither open nor on their way in; the task, or
    // null when every source was.
    std::shared_ptr<halvex::ImportTagEditorsTask> importFiles(const QList<halvex::TagStorageSource>& sources,
                                                              std::optional<int> dropIndex = std::nullopt);
    // Adds the files of the editors at `dropIndex` (last when none or past the end), in name
    // order, and selects the first: an editor of a file that is open already is dropped.
    void addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>& editors,
                       std::optional<int> dropIndex = std::nullopt);
    // The file is open, or on its way in.
    bool isOpenOrOpening(const QUrl& url) const;
    // The import settings the defaults ask for.
    static halvex::ImportTagEditorsTask::Settings importSettings(const QList<halvex::TagStorageSource>& sources);

    // --- Saving

    enum class SaveOutcome {
        // No editor given has edits.
        nothingToSave,
        // An edition is queued or running: the values are about to change, nothing is saved.
        cannotSaveWhileEditing,
        // A file of the photo library is among them: saved once the question says yes (never
        // without a question).
        askedToReplacePhotos,
        queued,
    };
    // Saves the editors given that have edits, in one task.
    SaveOutcome saveFiles(const QList<std::shared_ptr<halvex::TagEditor>>& editors);
    // A file of the list has edits not saved.
    bool hasUnsavedChanges() const;
    // The save settings the defaults ask for, for these editors.
    static halvex::SaveTagEditorsTask::Settings saveSettings(const QList<std::shared_ptr<halvex::TagEditor>>& editors);

private:
    // Sources whose file is open, or on its way in, are dropped, and so is a second source of
    // one file.
    QList<halvex::TagStorageSource> newSources(const QList<halvex::TagStorageSource>& sources) const;
    // The identities of the open files, each worked out once while its file stays open: opening
    // one file beside thousands does not ask the file system about each of them again.
    QSet<QString> openFileKeys() const;
    void importWithPassword(const QList<QUrl>& urls, std::optional<int> dropIndex);
    void importDidComplete(const halvex::ImportTagEditorsTask& task);
    void releasePending(const QStringList& keys);
    void addSaveTask(const QList<std::shared_ptr<halvex::TagEditor>>& editors);

    MetadataFileList& fileList_;
    std::function<void(Answer)> importOptionsQuestion_;
    std::function<void(PasswordAnswer)> decodingPasswordQuestion_;
    std::function<void(Answer)> photosReplaceQuestion_;
    // The files on their way in (FileIdentity keys): asked for and not yet opened.
    QSet<QString> pendingKeys_;
    mutable QHash<QUrl, QString> openFileKeyCache_;
    // Each import's own files and drop row, until its task is done.
    struct PendingImport {
        QStringList keys;
        std::optional<int> dropIndex;
    };
    QHash<const halvex::AbstractTask*, PendingImport> pendingImports_;
};

} // namespace corvelle
