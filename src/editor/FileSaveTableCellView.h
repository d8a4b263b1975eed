#pragma once

#include "editor/FileButtonTableCellView.h"

namespace corvelle {

class EditorWindowController;

// The save button of a file: it saves the selected files when the file is among them, else the
// file alone. Its symbol tells whether the file has unsaved edits.
class FileSaveTableCellView : public FileButtonTableCellView {
    Q_OBJECT

public:
    using FileButtonTableCellView::FileButtonTableCellView;

    static FileTableCellType cellType();

    static bool hasUnsavedEdits(const QModelIndex& index);
    // Saves through the controller of the editor window that `view` is in; nothing elsewhere.
    static void saveFile(const QModelIndex& index, const QWidget* view);

    QIcon buttonIcon(const QModelIndex& index) const override;
    bool isButtonEnabled(const QModelIndex& index) const override { return hasUnsavedEdits(index); }
    QString buttonToolTip(const QModelIndex& index) const override;

protected:
    void performAction(const QModelIndex& index, const QWidget* view, const QPoint&) override { saveFile(index, view); }
};

} // namespace corvelle
