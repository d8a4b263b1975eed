#include "filemodel/EditorSession.h"

#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/FileIdentity.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/EditionSettings.h"
#include "filemodel/settings/FileModelSettings.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QCollator>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>

namespace corvelle {

EditorSession::EditorSession(MetadataFileList& fileList, QObject* parent)
    : QObject(parent)
    , fileList_(fileList)
{
}

EditorSession::~EditorSession() = default;

// --- Opening

QSet<QString> EditorSession::openFileKeys() const
{
    // Rebuilt from the last one, so that the files removed since leave it.
    QHash<QUrl, QString> cache;
    cache.reserve(fileList_.files().size());
    QSet<QString> keys;
    for (const MetadataFilePointer& file : fileList_.files()) {
        const QUrl url = file->url();
        QString key = openFileKeyCache_.value(url);
        if (key.isEmpty())
            key = FileIdentity::key(url);
        keys.insert(key);
        cache.insert(url, std::move(key));
    }
    openFileKeyCache_ = std::move(cache);
    return keys;
}

QList<halvex::TagStorageSource> EditorSession::newSources(const QList<halvex::TagStorageSource>& sources) const
{
    QSet<QString> taken = openFileKeys();
    taken.unite(pendingKeys_);
    QList<halvex::TagStorageSource> result;
    for (const halvex::TagStorageSource& source : sources) {
        const QString key = FileIdentity::key(source.url());
        if (!taken.contains(key)) {
            taken.insert(key);
            result << source;
        }
    }
    return result;
}

bool EditorSession::isOpenOrOpening(const QUrl& url) const
{
    return newSources({halvex::TagStorageSource(url)}).isEmpty();
}

void EditorSession::addFiles(const QList<QUrl>& urls, std::optional<int> dropIndex)
{
    QList<halvex::TagStorageSource> sources;
    for (const QUrl& url : urls)
        sources << halvex::TagStorageSource(url);
    QList<QUrl> remaining;
    QStringList keys;
    for (const halvex::TagStorageSource& source : newSources(sources)) {
        remaining << source.url();
        keys << FileIdentity::key(source.url());
    }
    if (remaining.isEmpty())
        return;
    // Held as on their way in from now on: the options and the password come before the task.
    for (const QString& key : keys)
        pendingKeys_.insert(key);
    const bool hasFolder = std::any_of(remaining.begin(), remaining.end(), [](const QUrl& url) {
        return QFileInfo(url.path()).suffix().isEmpty();
    });
    if (!hasFolder || !importOptionsQuestion_) {
        importWithPassword(remaining, dropIndex);
        return;
    }
    // Folders open as the import options say: they are asked first, and a no opens nothing.
    QPointer<EditorSession> weakSelf(this);
    importOptionsQuestion_([weakSelf, remaining, keys, dropIndex](bool agreed) {
        if (!weakSelf)
            return;
        if (agreed)
            weakSelf->importWithPassword(remaining, dropIndex);
        else
            weakSelf->releasePending(keys);
    });
}

void EditorSession::importWithPassword(const QList<QUrl>& urls, std::optional<int> dropIndex)
{
    QPointer<EditorSession> weakSelf(this);
    const auto import = [weakSelf, urls, dropIndex](const std::optional<QString>& password) {
        if (!weakSelf)
            return;
        QList<halvex::TagStorageSource> sources;
        QStringList keys;
        for (const QUrl& url : urls) {
            sources << halvex::TagStorageSource(url, std::nullopt, password);
            keys << FileIdentity::key(url);
        }
        // Handed over to the import, which holds them as its own.
        weakSelf->releasePending(keys);
        weakSelf->importFiles(sources, dropIndex);
    };
    if (decodingPasswordQuestion_)
        decodingPasswordQuestion_(import);
    else
        import(std::nullopt);
}

void EditorSession::releasePending(const QStringList& keys)
{
    for (const QString& key : keys)
        pendingKeys_.remove(key);
}

halvex::ImportTagEditorsTask::Settings EditorSession::importSettings(const QList<halvex::TagStorageSource>& sources)
{
    const brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    QSet<halvex::MediaType> allowedTypes;
    for (const QString& name : defaults.value(Settings::unfoldImportAllowedTypes())) {
        if (const std::optional<halvex::MediaType> type = halvex::MediaType::type(name))
            allowedTypes.insert(*type);
    }
    halvex::ImportTagEditorsTask::Settings settings(sources);
    settings.errorsIgnored =
        defaults.value(Settings::editionUserChoiceErrorsBehavior()) == ErrorsBehaviorEditionUserChoice::ignore;
    settings.unfoldFolders = defaults.value(Settings::useUnfoldFoldersImport());
    settings.unfoldSubfolders = defaults.value(Settings::useRecursiveUnfoldImport());
    if (!allowedTypes.isEmpty())
        settings.supportedTypes = allowedTypes;
    return settings;
}

std::shared_ptr<halvex::ImportTagEditorsTask> EditorSession::importFiles(const QList<halvex::TagStorageSource>& sources,
                                                                         std::optional<int> dropIndex)
{
    const QList<halvex::TagStorageSource> fresh = newSources(sources);
    if (fresh.isEmpty())
        return nullptr;
    auto task = std::make_shared<halvex::ImportTagEditorsTask>(importSettings(fresh));
    PendingImport& pending = pendingImports_[task.get()];
    pending.dropIndex = dropIndex;
    for (const halvex::TagStorageSource& source : fresh) {
        pending.keys << FileIdentity::key(source.url());
        pendingKeys_.insert(pending.keys.last());
    }
    // The files, and the row they go to, are this task's own: no other import can take them.
    QPointer<EditorSession> weakSelf(this);
    std::weak_ptr<halvex::ImportTagEditorsTask> weakTask = task;
    task->setCompletionHandler([weakSelf, weakTask] {
        const std::shared_ptr<halvex::ImportTagEditorsTask> done = weakTask.lock();
        if (weakSelf && done)
            weakSelf->importDidComplete(*done);
    });
    halvex::TaskManager::shared().add(task);
    return task;
}

void EditorSession::importDidComplete(const halvex::ImportTagEditorsTask& task)
{
    const PendingImport pending = pendingImports_.take(&task);
    releasePending(pending.keys);
    addTagEditors(task.editors(), pending.dropIndex);
}

void EditorSession::addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>& editors, std::optional<int> dropIndex)
{
    // Two imports of one file may have been queued before either was done (a file inside an
    // unfolded folder and the same file on its own): two editors of one file would overwrite
    // each other's saves, so the later one is dropped.
    QSet<QString> taken = openFileKeys();
    QList<MetadataFilePointer> files;
    for (const std::shared_ptr<halvex::TagEditor>& editor : editors) {
        auto file = std::make_shared<MetadataFile>(editor);
        const QString key = FileIdentity::key(file->url());
        if (!taken.contains(key)) {
            taken.insert(key);
            files << file;
        }
    }
    if (files.isEmpty())
        return;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    collator.setIgnorePunctuation(false);
    // Each name is collated once, not at every comparison. The C locale does not collate: its
    // names compare ignoring case, which its sort keys would not.
    struct Named {
        QString name;
        std::optional<QCollatorSortKey> key;
        MetadataFilePointer file;
    };
    const bool collates = collator.locale().language() != QLocale::C;
    QList<Named> named;
    named.reserve(files.size());
    for (MetadataFilePointer& file : files) {
        QString name = file->filename();
        std::optional<QCollatorSortKey> key;
        if (collates)
            key = collator.sortKey(name);
        named.append(Named{std::move(name), std::move(key), std::move(file)});
    }
    std::stable_sort(named.begin(), named.end(), [](const Named& a, const Named& b) {
        if (a.key && b.key)
            return a.key->compare(*b.key) < 0;
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
    for (qsizetype i = 0; i < files.size(); ++i)
        files[i] = std::move(named[i].file);
    // The row was chosen against the list as it was then: files removed since may put it past
    // the end.
    const int count = int(fileList_.files().size());
    const int index = std::clamp(dropIndex.value_or(count), 0, count);
    fileList_.postDidChangeFiles(fileList_.insertWithoutNotifying(files, index));
    fileList_.setSelection(brisa::IndexSet{index});
}

// --- Saving

bool EditorSession::hasUnsavedChanges() const
{
    const QList<MetadataFilePointer>& files = fileList_.files();
    return std::any_of(files.begin(), files.end(), [](const MetadataFilePointer& file) { return file->editor()->hasEdits(); });
}

halvex::SaveTagEditorsTask::Settings EditorSession::saveSettings(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    const brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    halvex::SaveTagEditorsTask::Settings settings;
    settings.editors = editors;
    settings.fixInvalidOffsets =
        defaults.value(Settings::editionUserChoiceCorrections()) == CorrectionsEditionUserChoice::fixInvalidOffsets;
    settings.ignoreErrors =
        defaults.value(Settings::editionUserChoiceErrorsBehavior()) == ErrorsBehaviorEditionUserChoice::ignore;
    settings.updateFileModifyDate =
        defaults.value(Settings::editionFileModifyDateUpdate()) == FileModifyDateUpdateUserChoice::updateWithEachSave;
    settings.iptcAsUTF8 = defaults.value(Settings::editionUserChoiceIPTCCharSet()) == IPTCCharSetEditionUserChoice::utf8;
    settings.iptcDigestUpdate = defaults.value(Settings::editionUserChoiceIPTCDigest());
    return settings;
}

EditorSession::SaveOutcome EditorSession::saveFiles(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    QList<std::shared_ptr<halvex::TagEditor>> edited;
    for (const std::shared_ptr<halvex::TagEditor>& editor : editors) {
        if (editor->hasEdits())
            edited << editor;
    }
    if (edited.isEmpty())
        return SaveOutcome::nothingToSave;
    if (halvex::TaskManager::shared().isEditing())
        return SaveOutcome::cannotSaveWhileEditing;
    const bool fromPhotos = std::any_of(edited.begin(), edited.end(), [](const auto& editor) {
        return editor->source().photosItem().has_value();
    });
    if (!fromPhotos) {
        addSaveTask(edited);
        return SaveOutcome::queued;
    }
    // Nobody to ask: a photo-library file is never replaced unasked.
    if (!photosReplaceQuestion_)
        return SaveOutcome::askedToReplacePhotos;
    QPointer<EditorSession> weakSelf(this);
    photosReplaceQuestion_([weakSelf, edited](bool agreed) {
        if (weakSelf && agreed)
            weakSelf->addSaveTask(edited);
    });
    return SaveOutcome::askedToReplacePhotos;
}

void EditorSession::addSaveTask(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    halvex::TaskManager::shared().add(std::make_shared<halvex::SaveTagEditorsTask>(saveSettings(editors)));
}

} // namespace corvelle
