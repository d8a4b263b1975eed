#include "engine/halvex/tasks/ImportTagEditorsTask.h"

#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tasks/FolderListing.h"
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolCommand.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/TagRecordParser.h"
#include "engine/ostrak/TagRecordSet.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>

namespace halvex {

namespace {

const QString titleKey = QStringLiteral("ImportTagEditorsTaskTitle");
const QString descriptionKey = QStringLiteral("ImportTagEditorsTaskDescription");
const QString notLocalKey = QStringLiteral("ImportNotLocalFileError");
const QString notFoundKey = QStringLiteral("ImportFileNotFoundError");
const QString unsupportedKey = QStringLiteral("ImportUnsupportedFileTypeError");
const QString truncatedKey = QStringLiteral("ImportTruncatedFileError");
const QString mismatchKey = QStringLiteral("ImportFileTypeMismatchError");
const QString stoppedKey = QStringLiteral("ImportStoppedAfterErrorMessage");
const QString readErrorKey = QStringLiteral("ExifToolFileReadError");
const QString unreadableNameKey = QStringLiteral("ImportUnreadableNameError");

// Files per ExifTool command: enough that the per-command cost stays small, few enough that
// every process of the pool gets a share of a batch.
constexpr int filesPerCommand = 4;
constexpr int commandsPerProcess = 4;

// File types of the ISO media file family: ExifTool names the type by the brand inside, which
// often differs from the extension (an .m4a with an "isom" brand is "MP4") without harm.
bool isIsoMediaType(const QString& identifier)
{
    static const QSet<QString> family{
        QStringLiteral("MOV"), QStringLiteral("MP4"),  QStringLiteral("M4V"),  QStringLiteral("3GP"),
        QStringLiteral("3G2"), QStringLiteral("F4V"),  QStringLiteral("LRV"),  QStringLiteral("MQV"),
        QStringLiteral("CRM"), QStringLiteral("360"),  QStringLiteral("INSV"), QStringLiteral("M4A"),
        QStringLiteral("M4B"), QStringLiteral("M4P"),  QStringLiteral("AAX"),  QStringLiteral("HEIC"),
        QStringLiteral("HEIF"), QStringLiteral("AVIF"), QStringLiteral("CR3"),
    };
    return family.contains(identifier);
}

QString recordValue(const ostrak::TagRecordSet& records, const QString& group, const QString& name)
{
    const ostrak::TagRecord* record = records.find(group, name);
    return record ? record->value : QString();
}

// The folder's own tags, as ExifTool names them for a file.
TagStorage folderStorage(const TagStorageSource& source, const QString& path)
{
    TagStorage storage(source);
    const QFileInfo info(path);
    storage.setValue(ostrak::TagName(QStringLiteral("System"), QStringLiteral("FileName")), TagValue(info.fileName()));
    storage.setValue(ostrak::TagName(QStringLiteral("System"), QStringLiteral("Directory")),
                     TagValue(info.absolutePath()));
    return storage;
}

TaskMessage unreadableNameError(const FolderListing::UnreadableName& name)
{
    return TaskMessage::error(name.lossyPath(), unreadableNameKey, {name.lossyPath(), name.folder, name.escapedName()});
}

// A path whose name Qt could not carry (a byte that is not UTF-8 turned into U+FFFD): the name
// in its folder that it stands for, if there is one.
std::optional<FolderListing::UnreadableName> unreadableNameOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.fileName().contains(QChar::ReplacementCharacter))
        return std::nullopt;
    // The listing outlives the loop: its names are read by reference.
    const FolderListing listing = FolderListing::list(info.absolutePath(), false);
    for (const FolderListing::UnreadableName& name : listing.unreadableNames()) {
        if (name.lossyPath() == info.absoluteFilePath())
            return name;
    }
    return std::nullopt;
}

bool isPasswordRead(const TagStorageSource& source, const QString& path)
{
    // ExifTool only knows passwords of PDF files.
    const auto type = MediaType::type(QFileInfo(path).suffix());
    return source.password() && type && type->identifier() == QLatin1String("PDF");
}

} // namespace

struct ImportTagEditorsTask::Item {
    TagStorageSource source;
    QString path;
    std::shared_ptr<TagEditor> reloadInto;
    std::shared_ptr<TagEditor> editor;
    std::optional<TaskMessage> message;
    bool needsRead = false;
};

ImportTagEditorsTask::Settings::Settings(QList<TagStorageSource> sources) : sources(std::move(sources)) {}

ImportTagEditorsTask::ImportTagEditorsTask(Settings settings) : settings_(std::move(settings))
{
    setTitle({titleKey, {}});
    setDescription({descriptionKey, {settings_.sources.size()}});
}

QSet<MediaType> ImportTagEditorsTask::supportedTypes()
{
    return KitSettings::shared().supportedMediaTypes();
}

QList<std::shared_ptr<TagEditor>> ImportTagEditorsTask::editors() const
{
    QMutexLocker locker(&resultMutex_);
    return editors_;
}

void ImportTagEditorsTask::run()
{
    ostrak::ExifToolPool& pool = settings_.pool ? *settings_.pool : ostrak::ExifToolPool::shared();
    QList<Item> items = collectItems(pool);
    setTotalCount(int(items.size()));

    QList<QList<Item*>> batches;
    const int batchSize = std::max(1, pool.maximumProcessCount()) * commandsPerProcess * filesPerCommand;
    int settled = 0;
    for (Item& item : items) {
        if (!item.needsRead) {
            ++settled;
            continue;
        }
        if (batches.isEmpty() || batches.last().size() >= batchSize)
            batches.append(QList<Item*>());
        batches.last().append(&item);
    }
    if (settled > 0)
        advanceProgress(settled);

    std::atomic<bool> stopped = false;
    // Two batches at a time keep the processes busy while the slowest file of a batch ends.
    forEachItem(int(batches.size()), settings_.errorsIgnored ? 2 : 1, [&](int index) {
        const QList<Item*>& batch = batches[index];
        if (stopped)
            return;
        readBatch(batch, pool);
        advanceProgress(int(batch.size()) - 1);
        if (!settings_.errorsIgnored
            && std::any_of(batch.begin(), batch.end(), [](const Item* item) { return item->message.has_value(); }))
            stopped = true;
    });

    QList<std::shared_ptr<TagEditor>> opened;
    for (const Item& item : std::as_const(items)) {
        if (item.message)
            addMessage(*item.message);
        if (item.editor)
            opened.append(item.editor);
    }
    if (stopped)
        addMessage(TaskMessage::error({}, stoppedKey));
    QMutexLocker locker(&resultMutex_);
    editors_ = std::move(opened);
}

QList<ImportTagEditorsTask::Item> ImportTagEditorsTask::collectItems(ostrak::ExifToolPool& pool) const
{
    const bool reloading = !settings_.editorsToReload.isEmpty();
    const QSet<MediaType> openable = supportedTypes();
    QList<Item> items;
    for (qsizetype i = 0; i < settings_.sources.size(); ++i) {
        if (isCancelled())
            break;
        Item item{settings_.sources[i], {}, settings_.editorsToReload.value(i), {}, {}, false};
        if (reloading && !item.reloadInto)
            continue;
        const QUrl& url = item.source.url();
        if (!url.isLocalFile()) {
            item.message = TaskMessage::error(url.toString(), notLocalKey, {url.toString()});
            items.append(std::move(item));
            continue;
        }
        item.path = ostrak::ExifToolCommand::absolutePath(url.toLocalFile());
        const QFileInfo info(item.path);

        if (item.reloadInto && item.reloadInto->isFolder() != info.isDir()) {
            // What the editor was opened from is gone, whatever now has its name.
            item.message = TaskMessage::error(item.path, notFoundKey, {item.path});
        } else if (info.isDir()) {
            if (item.reloadInto) {
                item.reloadInto->reload(folderStorage(item.source, item.path));
                item.editor = item.reloadInto;
            } else if (settings_.unfoldFolders) {
                unfold(item.source, item.path, items);
                continue;
            } else {
                item.editor = std::make_shared<ETTagEditor>(folderStorage(item.source, item.path), &pool);
            }
        } else if (const auto unreadable = info.exists() ? std::optional<FolderListing::UnreadableName>() : unreadableNameOf(item.path)) {
            item.message = unreadableNameError(*unreadable);
        } else if (!item.reloadInto && info.exists()
                   && !openable.contains(MediaType::type(url).value_or(MediaType::typeFolder()))) {
            item.message = TaskMessage::error(item.path, unsupportedKey, {item.path});
        } else {
            // A missing file goes to ExifTool too, which says why it cannot be read.
            item.needsRead = true;
        }
        items.append(std::move(item));
    }
    return items;
}

void ImportTagEditorsTask::unfold(const TagStorageSource& folder, const QString& path, QList<Item>& items) const
{
    const QSet<MediaType> allowed = settings_.supportedTypes.value_or(supportedTypes());
    const FolderListing listing = FolderListing::list(path, settings_.unfoldSubfolders);
    for (const QString& file : listing.files()) {
        // By name only: looking into every file of a large folder would cost more than reading it.
        const auto type = MediaType::type(QFileInfo(file).suffix());
        if (!type || !allowed.contains(*type))
            continue;
        Item item{TagStorageSource(QUrl::fromLocalFile(file), std::nullopt, folder.password()), file, {}, {}, {}, true};
        items.append(std::move(item));
    }
    for (const FolderListing::UnreadableName& name : listing.unreadableNames()) {
        Item item{folder, name.folder, {}, {}, unreadableNameError(name), false};
        items.append(std::move(item));
    }
}

void ImportTagEditorsTask::readBatch(const QList<Item*>& batch, ostrak::ExifToolPool& pool)
{
    QStringList paths;
    QList<Item*> plain;
    for (Item* item : batch) {
        if (!isPasswordRead(item->source, item->path)) {
            paths.append(item->path);
            plain.append(item);
            continue;
        }
        ostrak::ExifToolRequest request;
        request.arguments = ostrak::ETTagStorageReader::readArguments();
        request.arguments << QStringLiteral("-password") << *item->source.password();
        request.files = {item->path};
        const ostrak::ExifToolResult result = pool.execute(std::move(request));
        ostrak::TagRecordSet records;
        records.path = item->path;
        const auto parsed = result.isFinished() ? ostrak::TagRecordParser::parse(result.output) : std::nullopt;
        if (parsed && parsed->size() == 1 && parsed->front().path == item->path)
            records = parsed->front();
        else
            records.error = ostrak::ExifToolMessage(readErrorKey, {item->path, result.errorText()});
        settle(*item, records, pool);
    }
    if (plain.isEmpty())
        return;
    const QList<ostrak::TagRecordSet> sets = ostrak::ETTagStorageReader(pool).read(paths);
    for (qsizetype i = 0; i < plain.size() && i < sets.size(); ++i)
        settle(*plain[i], sets.at(i), pool);
}

void ImportTagEditorsTask::settle(Item& item, const ostrak::TagRecordSet& records, ostrak::ExifToolPool& pool)
{
    if (!records.isRead()) {
        item.message = TaskMessage::error(item.path, records.error.key(), records.error.arguments());
        return;
    }
    // ExifTool reads what it can of a cut file and only warns; its tags would be a fraction of
    // the file's and a save would fail.
    for (const QString& warning : records.warnings) {
        if (warning.startsWith(QLatin1String("Truncated"))) {
            item.message = TaskMessage::error(item.path, truncatedKey, {item.path, warning});
            return;
        }
    }
    // Content of another kind than the extension names (a text file named .jpg) reads as a few
    // file-system tags and cannot be written.
    if (const auto named = MediaType::type(QFileInfo(item.path).suffix())) {
        const QString fileType = recordValue(records, QStringLiteral("File"), QStringLiteral("FileType"));
        const auto content = MediaType::type(recordValue(records, QStringLiteral("File"), QStringLiteral("FileTypeExtension")));
        const bool matches = content
            && (*content == *named || content->kind() == named->kind()
                || (isIsoMediaType(content->identifier()) && isIsoMediaType(named->identifier())));
        if (!matches) {
            item.message = TaskMessage::error(item.path, mismatchKey, {item.path, fileType, named->identifier()});
            return;
        }
    }
    TagStorage storage(item.source, records);
    if (item.reloadInto) {
        item.reloadInto->reload(std::move(storage));
        item.editor = item.reloadInto;
    } else {
        item.editor = std::make_shared<TagEditor>(std::move(storage), &pool);
    }
}

} // namespace halvex
