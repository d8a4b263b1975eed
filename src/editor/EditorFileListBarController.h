#pragma once

#include "editor/EditorFileBarController.h"
#include "editor/FileTableCellType.h"
#include "filemodel/MetadataFile.h"

#include <QPointer>

#include <memory>
#include <optional>

class QItemSelectionModel;
class QTableView;

namespace Ui {
class EditorFileListBar;
} // namespace Ui

namespace corvelle {

class FileItemTableCellView;
class MetadataFileListModel;

// The opened files as a table: one row per file, one column per cell type, in the order the
// owning section gives, each column drawn by its cell type's delegate. The table shows the
// window's file model and selection, so its selection and the file list's follow each other;
// rows dragged between rows move the files, file URLs dropped between rows are opened and
// inserted there; a drop onto a row is refused. The name column takes the width the fixed
// columns leave.
class EditorFileListBarController : public EditorFileBarController {
    Q_OBJECT

public:
    static constexpr int rowHeight = 58;

    explicit EditorFileListBarController(EditorViewController* editorViewController);
    ~EditorFileListBarController() override;

    QTableView* fileTableView() const;
    // The window's, or the bar's own when the window has none; null without a file list.
    MetadataFileListModel* fileListModel() const;
    QItemSelectionModel* fileSelectionModel() const;
    const QList<FileTableCellType>& tableCellTypes() const { return tableCellTypes_; }
    void setTableCellTypes(const QList<FileTableCellType>& types);
    // The delegate of the column of that identifier; null when the table shows none.
    FileItemTableCellView* cellDelegate(const QString& columnIdentifier) const;
    // The index of a row in the column of that identifier; invalid when there is none.
    QModelIndex cellIndex(int row, const QString& columnIdentifier) const;

    // The private type of rows dragged in the table, made once per launch.
    static QString rowPasteboardType();

    // Every file, or none, selected in the list (and so in the table).
    void selectAll();
    void deselectAll();

    void setupViews() override;
    void focus() override;
    void saveScrollPosition() override;
    void restoreScrollPosition() override;

protected:
    void loadView() override;
    QAbstractItemView* fileItemView() const override;
    QString rowDragType() const override { return rowPasteboardType(); }
    // Between two rows: the lower one (the end below the last row); onto a row: none.
    std::optional<int> dropDestination(QDropEvent* event, bool movesRows) const override;

private:
    void showContextualMenu(const QPoint& position);

    std::unique_ptr<Ui::EditorFileListBar> ui_;
    QPointer<MetadataFileListModel> model_;
    QList<FileTableCellType> tableCellTypes_;
    QList<QPointer<FileItemTableCellView>> delegates_;
};

} // namespace corvelle
