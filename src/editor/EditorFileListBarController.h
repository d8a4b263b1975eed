#pragma once

#include "editor/EditorBarController.h"
#include "editor/FileTableCellType.h"
#include "filemodel/MetadataFile.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QPointer>
#include <QTableWidget>

#include <optional>
#include <set>


namespace corvelle {

class FileItemTableCellView;

// The opened files as a table: one row per file, one column per cell type, in the order the
// owning section gives. The table's selection and the file list's selection follow each other;
// file URLs dropped between rows are opened and inserted there.
class EditorFileListBarController : public EditorBarController {
    Q_OBJECT

public:
    explicit EditorFileListBarController(EditorViewController* editorViewController);
    ~EditorFileListBarController() override;

    QString nibName() const override { return QStringLiteral("EditorFileListBar"); }

    QTableWidget* fileTableView() const { return fileTableView_; }
    const QList<FileTableCellType>& tableCellTypes() const { return tableCellTypes_; }
    void setTableCellTypes(const QList<FileTableCellType>& types);
    // The cell of a row in the column of that identifier; null when there is none or the row is
    // far out of sight (only the rows near the visible ones have cells).
    FileItemTableCellView* cell(int row, const QString& columnIdentifier) const;

    // The row before which dropped files go, handed out once.
    std::optional<int> takeDropFilesIndex();

    void setupViews() override;
    void startObserving() override;
    void stopObserving() override;
    void focus() override;
    void saveScrollPosition() override;
    void restoreScrollPosition() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reloadRows();
    void materializeVisibleRows();
    // Redraws every cell: after a task, the files' state may have changed.
    void reloadCellContents();
    void applyListSelection();
    void tableSelectionDidChange();

    QPointer<QTableWidget> fileTableView_;
    QList<FileTableCellType> tableCellTypes_;
    QList<MetadataFilePointer> files_;
    std::set<int> materializedRows_;
    std::optional<int> dropFilesIndex_;
    bool applyingSelection_ = false;
    brisa::NoteSubscriber fileListDidChangeFilesSubscriber_;
    brisa::NoteSubscriber taskManagerDidRemoveTaskSubscriber_;
};

} // namespace corvelle
