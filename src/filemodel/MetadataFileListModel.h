#pragma once

#include "filemodel/MetadataFile.h"
#include "filemodel/ThumbnailQueue.h"
#include "platform/brisa/core/MultiNoteSubscriber.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/SelectableArrayEdition.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

namespace corvelle {

class MetadataFileList;

// The files of a MetadataFileList as a table model: one row per file, in the list's order, and
// the columns a window gives. Each change of the list arrives as the matching row signals
// (insertion, removal, move, a replaced row's dataChanged), so views keep their selection and
// scroll position; only the list's own reload of files that differ resets the model.
//
// Cells draw themselves from FileRole; RevisionRole changes whenever an applied edit, a task or
// a new source may have changed what a row shows, and the row gets dataChanged. The column
// marked showsThumbnail answers DecorationRole with the file's thumbnail once the shared
// thumbnail queue has made it, and only that index is announced. Main thread only.
class MetadataFileListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Role {
        // The row's MetadataFilePointer.
        FileRole = Qt::UserRole + 1,
        // A number that changes whenever what the row shows may have changed.
        RevisionRole,
        // In headerData: the column's identifier.
        ColumnIdentifierRole,
        // In a thumbnail column: true once the thumbnail was made (also when none could be).
        ThumbnailMadeRole,
    };

    struct Column {
        QString identifier;
        QString title;
        bool showsThumbnail = false;
        friend bool operator==(const Column&, const Column&) = default;
    };

    // Side of the thumbnails, in device-independent pixels.
    static constexpr int thumbnailSide = 50;
    // Thumbnails asked for and not made yet; the oldest requests go first, as their rows are
    // likely out of sight by now.
    static constexpr int maximumPendingThumbnails = 256;
    // Thumbnails asked for are queued together this long after the first ask: rows that only fly
    // by while the table scrolls do not each start a job.
    static constexpr int thumbnailRequestDelayMilliseconds = 40;

    explicit MetadataFileListModel(MetadataFileList* list, QObject* parent = nullptr);
    ~MetadataFileListModel() override;

    MetadataFileList* fileList() const { return list_; }
    const QList<Column>& columns() const { return columns_; }
    // A new set of columns resets the model; the same set changes nothing.
    void setColumns(const QList<Column>& columns);
    // -1 when no column has that identifier.
    int columnOf(const QString& identifier) const;
    MetadataFilePointer fileAt(int row) const;
    static MetadataFilePointer fileOf(const QModelIndex& index);
    // True while the model applies a change of the list (rows are being inserted, removed or
    // moved): the views' own selection changes meanwhile are not the user's.
    bool isApplyingEdition() const { return applyingEdition_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Dragged rows travel as FileRowDragData under the type the view showing the model sets;
    // without one nothing is dragged.
    void setRowDragType(const QString& type) { rowDragType_ = type; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    // Thumbnails are made this many device-independent pixels on their longer side.
    int thumbnailPixelSide() const { return thumbnailPixelSide_; }
    // Forgets the thumbnails made at another side.
    void setThumbnailPixelSide(int side);

Q_SIGNALS:
    // The rows are in step with the list after one of its changes (the selection included).
    void fileListDidChange();

private:
    void apply(const brisa::SelectableArrayEdition& edition);
    void applyRemoval(const brisa::IndexSet& indexes);
    // Moves blocks of rows until they stand in the list's order.
    void applyReorder();
    void applyReload();
    void rowsDidChange(int first, int last);
    // Every row whose editor is among these.
    void editorsDidChange(const QList<const void*>& editors);
    void allRowsDidChange();
    QVariant thumbnail(const QModelIndex& index) const;
    void wantThumbnail(const MetadataFilePointer& file, int orientation) const;
    void requestWantedThumbnails();
    void requestThumbnail(const MetadataFilePointer& file, int orientation);
    void thumbnailDidArrive(const MetadataFilePointer& file, int orientation, const QPixmap& pixmap);
    void forgetPendingThumbnail(const MetadataFile* file);

    MetadataFileList* list_;
    QList<MetadataFilePointer> files_;
    QList<Column> columns_;
    QHash<const void*, int> revisions_;
    bool applyingEdition_ = false;
    QString rowDragType_;
    int thumbnailPixelSide_ = thumbnailSide;

    using ThumbnailKey = QPair<const MetadataFile*, int>;
    struct CachedThumbnail {
        std::weak_ptr<MetadataFile> file;
        QPixmap pixmap;
    };
    mutable QCache<ThumbnailKey, CachedThumbnail> thumbnails_;
    struct PendingThumbnail {
        ThumbnailKey key;
        ThumbnailQueue::Ticket ticket;
    };
    QList<PendingThumbnail> pendingThumbnails_;
    struct WantedThumbnail {
        MetadataFilePointer file;
        int orientation;
    };
    mutable QList<WantedThumbnail> wantedThumbnails_;
    QTimer* thumbnailRequestTimer_;

    brisa::NoteSubscriber fileListDidChangeFilesSubscriber_;
    brisa::NoteSubscriber editionManagerDidFlushHistorySubscriber_;
    brisa::MultiNoteSubscriber editorDidChangeInfoSubscriber_;
    brisa::NoteSubscriber taskManagerDidRemoveTaskSubscriber_;
};

} // namespace corvelle

Q_DECLARE_METATYPE(corvelle::MetadataFilePointer)
