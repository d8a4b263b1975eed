#include "engine/halvex/tasks/SaveTagEditorsTask.h"

#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagStorage.h"
#include "engine/halvex/tasks/BackupStore.h"
#include "engine/halvex/tasks/FolderListing.h"
#include "engine/halvex/tasks/ImmediateFileWriter.h"
#include "engine/halvex/tasks/SaveArguments.h"
#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/ExifToolWriter.h"
#include "engine/ostrak/TagDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <optional>

namespace halvex {

struct SaveTagEditorsTask::Written {
    // The file written: the target's path with links resolved.
    QString file;
    QList<SaveArguments::Destination> destinations;
    QStringList warnings;
};

struct SaveTagEditorsTask::Target {
    std::shared_ptr<TagEditor> editor;
    QString path;
    QList<TagEdit> edits;
    // A file of a folder editor: the editor holds the folder's values, not this file's.
    bool inFolder = false;
};

namespace {

const QString iptcGroup = QStringLiteral("IPTC");

SaveArguments::FileState fileState(const ostrak::TagRecordSet& set)
{
    SaveArguments::FileState state;
    state.hasIPTC = std::any_of(set.records.begin(), set.records.end(),
                                [](const ostrak::TagRecord& record) { return record.group == iptcGroup; });
    state.hasIPTCDigest = set.find(QStringLiteral("Photoshop"), QStringLiteral("IPTCDigest")) != nullptr;
    if (const ostrak::TagRecord* characterSet = set.find(iptcGroup, QStringLiteral("CodedCharacterSet")))
        state.iptcCharacterSet = characterSet->value;
    return state;
}

// ExifTool's "Warning: ..." lines, without the prefix and the file name it may append.
QStringList warningsOf(const ostrak::ExifToolResult& result, const QString& file)
{
    QStringList warnings;
    for (const QString& line : result.errorOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("Warning:")))
            continue;
        QString text = line.mid(8).trimmed();
        if (text.endsWith(QStringLiteral(" - ") + file))
            text.chop(file.size() + 3);
        warnings.append(text);
    }
    return warnings;
}

bool namesTag(const QStringList& warnings, const ostrak::TagName& tag)
{
    const QRegularExpression pattern(QStringLiteral("(^|[^\\w:-])") + QRegularExpression::escape(tag.rawValue())
                                     + QStringLiteral("($|[^\\w-])"));
    return std::any_of(warnings.begin(), warnings.end(),
                       [&](const QString& warning) { return pattern.match(warning).hasMatch(); });
}

// The stored name the values read give the tag: the same group, whatever copy number ExifTool
// gave it, or the family-0 group it was written with ("EXIF" for "IFD0"); with `fields`, an XMP
// structure read whole that holds the tag as a field.
std::optional<ostrak::TagName> storedName(const TagStorage& storage, const ostrak::TagName& tag, bool fields)
{
    if (storage.contains(tag))
        return tag;
    const ostrak::TagDatabase& database = ostrak::TagDatabase::shared();
    for (const ostrak::TagName& stored : storage.tagNames()) {
        const ostrak::TagName written = SaveArguments::withoutCopyNumber(stored);
        if (written.name() == tag.name()) {
            if (written.group() == tag.group())
                return stored;
            if (const auto item = database.item(written); item && item->family0Group() == tag.group())
                return stored;
        } else if (fields && written.group() == tag.group() && tag.name().startsWith(written.name())) {
            if (const auto value = storage.value(stored); value && value->isStructure())
                return stored;
        }
    }
    return std::nullopt;
}

// IPTC text is where a value can be held only in part: cut to the record's length, or with the
// characters that Latin lacks replaced.
bool keepsText(const TagStorage& storage, const ostrak::TagName& tag, const ostrak::TagName& stored,
               const QStringList& values)
{
    if (tag.group() != iptcGroup)
        return true;
    const ostrak::TagItem item = ostrak::TagDatabase::shared().itemOrFallback(tag);
    if (!(item.type() == ostrak::TagType::String || item.type() == ostrak::TagType::LongString) || !item.choices().isEmpty())
        return true;
    const auto value = storage.value(stored);
    return value && value->values() == values;
}

bool lands(const TagStorage& storage, const ostrak::TagName& tag, const SaveArguments::Destination& destination)
{
    if (destination.deletes())
        return !storedName(storage, tag, false);
    const auto stored = storedName(storage, tag, true);
    return stored && keepsText(storage, tag, *stored, destination.values);
}

QString errorLines(const ostrak::ExifToolResult& result)
{
    if (const QString error = result.errorText(); !error.isEmpty())
        return error;
    // No "Error" line: ExifTool only warned and wrote nothing ("Nothing to do.").
    return result.errorOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char('\n')).trimmed();
}

} // namespace

SaveTagEditorsTask::SaveTagEditorsTask(Settings settings)
    : settings_(std::move(settings)), pool_(settings_.pool ? settings_.pool : &ostrak::ExifToolPool::shared())
{
    setTitle({QStringLiteral("SaveTagEditorsTaskTitle"), {}});
}

SaveTagEditorsTask::~SaveTagEditorsTask() = default;

void SaveTagEditorsTask::run()
{
    const QString backupFolder = ostrak::ETSettings::shared().backupFolder();

    QList<Target> targets;
    QHash<TagEditor*, QList<TagEdit>> folderEdits;
    for (const std::shared_ptr<TagEditor>& editor : settings_.editors) {
        const QList<TagEdit> edits = editor->edits();
        if (edits.isEmpty())
            continue;
        if (const auto* folder = dynamic_cast<const ETTagEditor*>(editor.get())) {
            // A folder that is gone holds no file to write: its edits stay.
            const QString root = folder->source().url().toLocalFile();
            if (!QFileInfo(root).isDir()) {
                addMessage(TaskMessage::error(root, QStringLiteral("SaveFileMissingError"), {root}));
                continue;
            }
            const FolderListing listing = FolderListing::ofFolderEditor(*folder, backupFolder);
            // A file whose name cannot be carried is not written: the folder keeps its edits.
            for (const FolderListing::UnreadableName& name : listing.unreadableNames())
                addMessage(TaskMessage::error(name.lossyPath(), QStringLiteral("SaveUnreadableNameError"),
                                              {name.lossyPath(), name.folder, name.escapedName()}));
            // Saving nothing is no success: the edits stay, and the user learns why.
            if (listing.files().isEmpty()) {
                if (listing.unreadableNames().isEmpty())
                    addMessage(TaskMessage::error(root, QStringLiteral("SaveFolderHasNoFilesError"), {root}));
                continue;
            }
            if (listing.unreadableNames().isEmpty())
                folderEdits.insert(editor.get(), edits);
            for (const QString& file : listing.files())
                targets.append({editor, file, edits, true});
        } else {
            targets.append({editor, editor->source().url().toLocalFile(), edits, false});
        }
    }
    setDescription({QStringLiteral("SaveTagEditorsTaskDescription"), {qlonglong(targets.size())}});
    setTotalCount(int(targets.size()));

    // Files are saved in parallel, but one file is never written by two processes at once,
    // though a folder editor and the file's own editor may both be saved.
    QHash<QString, std::shared_ptr<QMutex>> fileLocks;
    QHash<QString, int> targetsOfFile;
    QList<QMutex*> targetLocks;
    QStringList canonicalPaths;
    for (const Target& target : std::as_const(targets)) {
        const QString canonical = QFileInfo(target.path).canonicalFilePath();
        std::shared_ptr<QMutex>& lock = fileLocks[canonical];
        if (!lock)
            lock = std::make_shared<QMutex>();
        targetLocks.append(lock.get());
        canonicalPaths.append(canonical);
        ++targetsOfFile[canonical];
    }

    std::atomic<bool> stopped = false;
    QMutex foldersMutex;
    QHash<TagEditor*, int> folderFilesSaved;
    const auto saved = [&](const Target& target) {
        if (target.inFolder) {
            QMutexLocker locker(&foldersMutex);
            ++folderFilesSaved[target.editor.get()];
        }
    };

    // Written files are read again a few at a time: one request per file costs ExifTool much
    // more than one more file in a request. A batch is read by the thread that fills it, while
    // the other threads go on writing; a batch is small enough that every process still gets
    // work in a small save.
    const int processes = pool_->maximumProcessCount();
    const qsizetype batchSize = std::clamp<qsizetype>(targets.size() / (2 * processes), 1, 8);
    QMutex batchMutex;
    QList<std::pair<int, Written>> batch;
    const auto finishBatch = [&](const QList<std::pair<int, Written>>& written) {
        QStringList files;
        for (const auto& [index, file] : written)
            files.append(file.file);
        const QList<ostrak::TagRecordSet> sets = ostrak::ETTagStorageReader(*pool_).readTogether(files);
        for (qsizetype i = 0; i < written.size(); ++i) {
            const Target& target = targets[written[i].first];
            if (finish(target, written[i].second, sets[i]))
                saved(target);
        }
    };

    // Stopping at the first failed file saves in order, one file at a time, so that exactly the
    // files before it are saved. Going on after errors keeps twice as many files in hand as
    // processes: while a file is backed up, synced and renamed, or its tags parsed, another
    // file's request keeps its process busy.
    const int parallelism = settings_.ignoreErrors ? 2 * processes : 1;
    forEachItem(int(targets.size()), parallelism, [&](int index) {
        const Target& target = targets[index];
        if (stopped) {
            addMessage(TaskMessage::error(target.path, QStringLiteral("SaveStoppedError"), {target.path}));
            return;
        }
        // A file that two targets write is read again at once, so that each target's edits
        // are looked for in the file as it wrote it.
        if (!settings_.ignoreErrors || targetsOfFile.value(canonicalPaths[index]) > 1) {
            QMutexLocker fileLock(targetLocks[index]);
            if (save(target, backupFolder))
                saved(target);
            else if (!settings_.ignoreErrors)
                stopped = true;
            return;
        }
        std::optional<Written> written = write(target, backupFolder);
        if (!written)
            return;
        QList<std::pair<int, Written>> full;
        {
            QMutexLocker locker(&batchMutex);
            batch.append({index, std::move(*written)});
            if (batch.size() >= batchSize)
                full.swap(batch);
        }
        if (!full.isEmpty())
            finishBatch(full);
    });
    // What is left, also when the task was cancelled: those files were written.
    if (!batch.isEmpty())
        finishBatch(batch);

    // A folder's edits are saved once every file of it took them.
    for (const std::shared_ptr<TagEditor>& editor : settings_.editors) {
        const auto edits = folderEdits.constFind(editor.get());
        if (edits == folderEdits.constEnd())
            continue;
        const auto files = std::count_if(targets.begin(), targets.end(),
                                         [&](const Target& target) { return target.editor == editor; });
        if (folderFilesSaved.value(editor.get()) == files)
            editor->reload(editor->storage(), *edits);
    }
}

bool SaveTagEditorsTask::save(const Target& target, const QString& backupFolder)
{
    const std::optional<Written> written = write(target, backupFolder);
    if (!written)
        return false;
    return finish(target, *written, ostrak::ETTagStorageReader(*pool_).read({written->file}).front());
}

std::optional<SaveTagEditorsTask::Written> SaveTagEditorsTask::write(const Target& target, const QString& backupFolder)
{
    const QString& path = target.path;
    if (const auto problem = ImmediateFileWriter::checkWritable(path, QStringLiteral("Save"))) {
        addMessage(*problem);
        return std::nullopt;
    }
    // Renaming the written copy over a symbolic link would replace the link: write its target.
    const QString file = QFileInfo(QFileInfo(path).canonicalFilePath()).filePath();
    const ostrak::TagDatabase& database = ostrak::TagDatabase::shared();
    const ostrak::ETSettings& etSettings = ostrak::ETSettings::shared();

    SaveArguments::Options options;
    options.fixInvalidOffsets = settings_.fixInvalidOffsets;
    options.iptcAsUTF8 = settings_.iptcAsUTF8;
    options.iptcDigestUpdate = settings_.iptcDigestUpdate;
    options.updateFileModifyDate = settings_.updateFileModifyDate;
    options.engineOptions = KitSettings::shared().engineOptions();
    options.xmpToolkit = KitSettings::shared().xmpToolkit();

    SaveArguments arguments(target.edits, options, {}, etSettings, database);
    // The character set and the digest depend on the IPTC the file holds now, which another
    // program may have changed since the editor read it.
    if (arguments.writesIPTC()) {
        const ostrak::ETTagStorageReader reader(*pool_);
        arguments = SaveArguments(target.edits, options, fileState(reader.read({file}).front()), etSettings, database);
    }
    if (!arguments.error().isEmpty()) {
        addMessage(TaskMessage::error(path, QStringLiteral("SaveFileError"), {path, arguments.error()}));
        return std::nullopt;
    }

    // The writer renames the new file over the old one and so never changes the old data: the
    // backup can be a second name of them.
    const BackupStore::Outcome backup = BackupStore::shared().linkOrBackUp(file, backupFolder);
    if (!backup.succeeded()) {
        addMessage(TaskMessage::error(path, QStringLiteral("SaveBackupError"), {path, backupFolder, backup.error}));
        return std::nullopt;
    }

    const ostrak::ExifToolResult result = ostrak::ExifToolWriter(*pool_).write(file, arguments.arguments());
    // Not replaced: the file is still the backup's data.
    if (result.updated != 1)
        BackupStore::shared().withdraw(file, backup);
    if (!result.isFinished() || result.failed > 0 || !result.errorText().isEmpty()
        || result.updated + result.unchanged == 0) {
        addMessage(TaskMessage::error(path, QStringLiteral("SaveFileError"), {path, errorLines(result)}));
        return std::nullopt;
    }
    const QStringList warnings = warningsOf(result, file);
    for (const QString& warning : warnings)
        addMessage(TaskMessage::warning(path, QStringLiteral("SaveExifToolWarning"), {path, warning}));
    return Written{file, arguments.destinations(), warnings};
}

bool SaveTagEditorsTask::finish(const Target& target, const Written& written, const ostrak::TagRecordSet& reread)
{
    const QString& path = target.path;
    if (!reread.isRead()) {
        addMessage(TaskMessage::error(path, QStringLiteral("SaveRereadError"), {path, reread.error.text()}));
        return false;
    }
    const TagStorage storage(target.editor->source(), reread);

    // ExifTool says nothing of a tag the format cannot hold: look for each edit in the file.
    QList<TagEdit> landedEdits;
    QStringList missed;
    for (qsizetype i = 0; i < target.edits.size(); ++i) {
        const SaveArguments::Destination& destination = written.destinations.at(i);
        const bool landed = !destination.tags.isEmpty()
                            && std::all_of(destination.tags.begin(), destination.tags.end(), [&](const ostrak::TagName& tag) {
                                   return !namesTag(written.warnings, tag) && lands(storage, tag, destination);
                               });
        if (landed)
            landedEdits.append(target.edits.at(i));
        else
            missed.append(target.edits.at(i).tagName.rawValue());
    }
    if (!target.inFolder)
        target.editor->reload(storage, landedEdits);
    if (!missed.isEmpty()) {
        addMessage(TaskMessage::error(path, QStringLiteral("SaveTagsNotWrittenError"), {path, missed.join(QStringLiteral(", "))}));
        return false;
    }
    return true;
}

} // namespace halvex
