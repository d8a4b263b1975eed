#include "filemodel/MetadataFileListModel.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/HistoryEdition.h"
#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorOrientation.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/FileRowDragData.h"
#include "filemodel/FileThumbnailer.h"
#include "filemodel/MetadataFileList.h"

#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSet>

#include <algorithm>

namespace corvelle {

using brisa::IndexSet;
using brisa::SelectableArrayEdition;

namespace {

int orientationOf(const MetadataFile& file)
{
    return halvex::exifOrientation(*file.editor()).exifNumber();
}

// Costs are in kilobytes: about 64 MB of pictures.
constexpr int thumbnailCacheKiB = 64 * 1024;

} // namespace

MetadataFileListModel::MetadataFileListModel(MetadataFileList* list, QObject* parent)
    : QAbstractTableModel(parent)
    , list_(list)
    , files_(list->files())
    , thumbnails_(thumbnailCacheKiB)
    , thumbnailRequestTimer_(new QTimer(this))
{
    thumbnailRequestTimer_->setSingleShot(true);
    thumbnailRequestTimer_->setInterval(thumbnailRequestDelayMilliseconds);
    connect(thumbnailRequestTimer_, &QTimer::timeout, this, &MetadataFileListModel::requestWantedThumbnails);
    FileThumbnailer::prepareIcons();
    fileListDidChangeFilesSubscriber_.subscribe(MetadataFileList::didChangeFilesNotification, list_,
                                                [this](const brisa::Notification& note) {
                                                    apply(MetadataFileList::fileListEdition(note).value_or(
                                                        SelectableArrayEdition::reload(list_->selection())));
                                                });
    editionManagerDidFlushHistorySubscriber_.subscribe(
        halvex::EditionManager::didFlushHistoryNotification, nullptr, [this](const brisa::Notification& note) {
            const std::optional<halvex::HistoryEdition> history = halvex::EditionManager::history(note);
            if (!history)
                return;
            QList<const void*> editors;
            for (const halvex::HistoryEdition::Entry& entry : history->entries())
                editors << entry.identity;
            editorsDidChange(editors);
        });
    editorDidChangeInfoSubscriber_.subscribe({halvex::TagEditor::didChangeSourceNotification,
                                              halvex::ETTagEditor::didChangeFilePathFilterNotification,
                                              halvex::ETTagEditor::didChangeRecurseSubfoldersNotification},
                                             nullptr,
                                             [this](const brisa::Notification& note) { editorsDidChange({note.object}); });
    // A task may have read or written any file: what each row shows may have changed.
    taskManagerDidRemoveTaskSubscriber_.subscribe(halvex::TaskManager::didRemoveTaskNotification,
                                                  &halvex::TaskManager::shared(),
                                                  [this](const brisa::Notification&) { allRowsDidChange(); });
}

MetadataFileListModel::~MetadataFileListModel()
{
    for (const PendingThumbnail& pending : std::as_const(pendingThumbnails_))
        FileThumbnailer::operationQueue().cancel(pending.ticket);
}

void MetadataFileListModel::setColumns(const QList<Column>& columns)
{
    if (columns == columns_)
        return;
    beginResetModel();
    columns_ = columns;
    endResetModel();
}

int MetadataFileListModel::columnOf(const QString& identifier) const
{
    for (int column = 0; column < columns_.size(); ++column) {
        if (columns_[column].identifier == identifier)
            return column;
    }
    return -1;
}

MetadataFilePointer MetadataFileListModel::fileAt(int row) const
{
    return row >= 0 && row < files_.size() ? files_[row] : nullptr;
}

MetadataFilePointer MetadataFileListModel::fileOf(const QModelIndex& index)
{
    return index.data(FileRole).value<MetadataFilePointer>();
}

int MetadataFileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(files_.size());
}

int MetadataFileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant MetadataFileListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const MetadataFilePointer& file = files_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return file->filename();
    case Qt::DecorationRole:
        return columns_[index.column()].showsThumbnail ? thumbnail(index) : QVariant();
    case FileRole:
        return QVariant::fromValue(file);
    case RevisionRole:
        return revisions_.value(file->editor().get(), 0);
    case ThumbnailMadeRole: {
        if (!columns_[index.column()].showsThumbnail)
            return false;
        const CachedThumbnail* cached = thumbnails_.object(ThumbnailKey(file.get(), orientationOf(*file)));
        return cached && cached->file.lock() == file;
    }
    default:
        return {};
    }
}

QVariant MetadataFileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columns_[section].title;
    if (role == ColumnIdentifierRole)
        return columns_[section].identifier;
    return {};
}

Qt::ItemFlags MetadataFileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList MetadataFileListModel::mimeTypes() const
{
    return rowDragType_.isEmpty() ? QStringList() : QStringList{rowDragType_};
}

QMimeData* MetadataFileListModel::mimeData(const QModelIndexList& indexes) const
{
    if (rowDragType_.isEmpty() || indexes.isEmpty())
        return nullptr;
    IndexSet rows;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.model() == this)
            rows.insert(index.row());
    }
    return FileRowDragData::make(rowDragType_, rows);
}

void MetadataFileListModel::setThumbnailPixelSide(int side)
{
    side = std::max(1, side);
    if (side == thumbnailPixelSide_)
        return;
    thumbnailPixelSide_ = side;
    thumbnails_.clear();
    allRowsDidChange();
}

void MetadataFileListModel::apply(const SelectableArrayEdition& edition)
{
    applyingEdition_ = true;
    switch (edition.kind()) {
    case SelectableArrayEdition::Kind::Insertion: {
        const int first = std::clamp(edition.index(), 0, int(files_.size()));
        const int count = int(list_->files().size() - files_.size());
        if (count > 0 && list_->files().mid(first, count).size() == count) {
            beginInsertRows({}, first, first + count - 1);
            files_ = list_->files();
            endInsertRows();
        }
        break;
    }
    case SelectableArrayEdition::Kind::Replacement: {
        const int row = edition.index();
        if (row >= 0 && row < files_.size() && row < list_->files().size()) {
            forgetPendingThumbnail(files_[row].get());
            files_[row] = list_->files()[row];
            rowsDidChange(row, row);
        }
        break;
    }
    case SelectableArrayEdition::Kind::Removal:
        applyRemoval(edition.indexes());
        break;
    case SelectableArrayEdition::Kind::Move:
        applyReorder();
        break;
    case SelectableArrayEdition::Kind::Selection:
        break;
    case SelectableArrayEdition::Kind::Reload:
        applyReload();
        break;
    }
    // Whatever the edition said, the rows end as the list stands.
    if (files_ != list_->files()) {
        beginResetModel();
        files_ = list_->files();
        endResetModel();
    }
    applyingEdition_ = false;
    Q_EMIT fileListDidChange();
}

void MetadataFileListModel::applyRemoval(const IndexSet& indexes)
{
    // From the last block up, so that the positions before each block stay valid.
    const QList<int>& rows = indexes.toList();
    int last = int(rows.size()) - 1;
    while (last >= 0) {
        int first = last;
        while (first > 0 && rows[first - 1] == rows[first] - 1)
            --first;
        const int top = rows[first], bottom = rows[last];
        if (bottom < files_.size()) {
            beginRemoveRows({}, top, bottom);
            for (int row = top; row <= bottom; ++row) {
                forgetPendingThumbnail(files_[row].get());
                revisions_.remove(files_[row]->editor().get());
            }
            files_.remove(top, bottom - top + 1);
            endRemoveRows();
        }
        last = first - 1;
    }
}

void MetadataFileListModel::applyReorder()
{
    const QList<MetadataFilePointer>& target = list_->files();
    if (target.size() != files_.size())
        return;
    for (int row = 0; row < target.size(); ++row) {
        if (files_[row] == target[row])
            continue;
        const qsizetype found = files_.indexOf(target[row], row + 1);
        if (found < 0)
            return;
        const int from = int(found);
        // The longest block that stands at `from` and belongs at `row`.
        int length = 1;
        while (row + length < target.size() && from + length < files_.size()
               && files_[from + length] == target[row + length])
            ++length;
        beginMoveRows({}, from, from + length - 1, {}, row);
        const QList<MetadataFilePointer> block = files_.mid(from, length);
        files_.remove(from, length);
        for (int offset = 0; offset < length; ++offset)
            files_.insert(row + offset, block[offset]);
        endMoveRows();
        row += length - 1;
    }
}

void MetadataFileListModel::applyReload()
{
    const QList<MetadataFilePointer>& target = list_->files();
    if (target == files_) {
        allRowsDidChange();
        return;
    }
    QList<MetadataFilePointer> sortedNow = files_, sortedTarget = target;
    const auto byAddress = [](const MetadataFilePointer& a, const MetadataFilePointer& b) { return a.get() < b.get(); };
    std::sort(sortedNow.begin(), sortedNow.end(), byAddress);
    std::sort(sortedTarget.begin(), sortedTarget.end(), byAddress);
    if (sortedNow != sortedTarget)
        return; // other files: apply() resets
    // The same files in another order (a sort): the views keep their selection and current row.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QHash<const MetadataFile*, int> newRows;
    newRows.reserve(target.size());
    for (int row = 0; row < target.size(); ++row)
        newRows.insert(target[row].get(), row);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << this->index(newRows.value(files_[index.row()].get()), index.column());
    files_ = target;
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void MetadataFileListModel::rowsDidChange(int first, int last)
{
    if (first > last || columns_.isEmpty())
        return;
    for (int row = first; row <= last; ++row)
        ++revisions_[files_[row]->editor().get()];
    Q_EMIT dataChanged(index(first, 0), index(last, int(columns_.size()) - 1));
}

void MetadataFileListModel::editorsDidChange(const QList<const void*>& editors)
{
    // One change note per run of neighbouring rows: an edition may reach every file.
    const QSet<const void*> changed(editors.begin(), editors.end());
    int runStart = -1;
    for (int row = 0; row <= files_.size(); ++row) {
        const bool hit = row < files_.size() && changed.contains(files_[row]->editor().get());
        if (hit && runStart < 0)
            runStart = row;
        else if (!hit && runStart >= 0) {
            rowsDidChange(runStart, row - 1);
            runStart = -1;
        }
    }
}

void MetadataFileListModel::allRowsDidChange()
{
    rowsDidChange(0, int(files_.size()) - 1);
}

QVariant MetadataFileListModel::thumbnail(const QModelIndex& index) const
{
    const MetadataFilePointer& file = files_[index.row()];
    const int orientation = orientationOf(*file);
    const ThumbnailKey key(file.get(), orientation);
    if (const CachedThumbnail* cached = thumbnails_.object(key)) {
        if (cached->file.lock() == file)
            return cached->pixmap.isNull() ? QVariant() : QVariant(cached->pixmap);
        // Another file now lives at that address.
        thumbnails_.remove(key);
    }
    wantThumbnail(file, orientation);
    return {};
}

void MetadataFileListModel::wantThumbnail(const MetadataFilePointer& file, int orientation) const
{
    const ThumbnailKey key(file.get(), orientation);
    wantedThumbnails_.removeIf([&key](const WantedThumbnail& wanted) {
        return wanted.file.get() == key.first && wanted.orientation == key.second;
    });
    wantedThumbnails_.append({file, orientation});
    // The rows asked for longest ago are out of sight by now.
    if (wantedThumbnails_.size() > maximumPendingThumbnails)
        wantedThumbnails_.removeFirst();
    if (!thumbnailRequestTimer_->isActive())
        thumbnailRequestTimer_->start();
}

void MetadataFileListModel::requestWantedThumbnails()
{
    const QList<WantedThumbnail> wanted = std::exchange(wantedThumbnails_, {});
    for (const WantedThumbnail& thumbnail : wanted) {
        if (!thumbnails_.contains(ThumbnailKey(thumbnail.file.get(), thumbnail.orientation)))
            requestThumbnail(thumbnail.file, thumbnail.orientation);
    }
}

void MetadataFileListModel::requestThumbnail(const MetadataFilePointer& file, int orientation)
{
    const ThumbnailKey key(file.get(), orientation);
    for (const PendingThumbnail& pending : std::as_const(pendingThumbnails_)) {
        if (pending.key == key)
            return;
    }
    if (pendingThumbnails_.size() >= maximumPendingThumbnails)
        FileThumbnailer::operationQueue().cancel(pendingThumbnails_.takeFirst().ticket);
    auto* self = this;
    const qreal scale = qApp ? qApp->devicePixelRatio() : 1.0;
    const QSize pixels = QSize(thumbnailPixelSide_, thumbnailPixelSide_) * scale;
    // Turned and scaled on the queue's thread: the main thread only wraps the result.
    const auto picture = [pixels, orientation](const std::optional<FileThumbnailer::Content>& content) {
        return content ? content->oriented(orientation).picture().scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       : QImage();
    };
    const FileThumbnailer thumbnailer(file);
    const ThumbnailQueue::Ticket ticket = FileThumbnailer::operationQueue().add(
        self, [thumbnailer, picture] { return picture(thumbnailer.makeContent()); },
        [thumbnailer, picture] { return picture(thumbnailer.fallbackContent()); },
        [self, file, orientation, scale](const QImage& image) {
            QPixmap pixmap = QPixmap::fromImage(image);
            pixmap.setDevicePixelRatio(scale);
            self->thumbnailDidArrive(file, orientation, pixmap);
        });
    pendingThumbnails_.append({key, ticket});
}

void MetadataFileListModel::thumbnailDidArrive(const MetadataFilePointer& file, int orientation, const QPixmap& pixmap)
{
    const ThumbnailKey key(file.get(), orientation);
    pendingThumbnails_.removeIf([&key](const PendingThumbnail& pending) { return pending.key == key; });
    const int costKiB = std::max(1, int(qint64(pixmap.width()) * pixmap.height() * 4 / 1024));
    thumbnails_.insert(key, new CachedThumbnail{file, pixmap}, costKiB);
    const qsizetype row = files_.indexOf(file);
    if (row < 0)
        return;
    for (int column = 0; column < columns_.size(); ++column) {
        if (columns_[column].showsThumbnail) {
            const QModelIndex changed = index(int(row), column);
            Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole});
        }
    }
}

void MetadataFileListModel::forgetPendingThumbnail(const MetadataFile* file)
{
    pendingThumbnails_.removeIf([file](const PendingThumbnail& pending) {
        if (pending.key.first != file)
            return false;
        FileThumbnailer::operationQueue().cancel(pending.ticket);
        return true;
    });
}

} // namespace corvelle
