#pragma once

#include "editor/EditorBarController.h"
#include "editor/FileTableCellType.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <optional>

class QTableWidget;

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
    // The cell of a row in the column of that identifier; null when there is none.
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
    // Redraws every cell: after a task, the files' state may have changed.
    void reloadCellContents();
    void applyListSelection();
    void tableSelectionDidChange();

    QTableWidget* fileTableView_ = nullptr;
    QList<FileTableCellType> tableCellTypes_;
    std::optional<int> dropFilesIndex_;
    bool applyingSelection_ = false;
    brisa::NoteSubscriber fileListDidChangeFilesSubscriber_;
    brisa::NoteSubscriber taskManagerDidRemoveTaskSubscriber_;
};

} // namespace corvelle
