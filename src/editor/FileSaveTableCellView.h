#pragma once

#include "editor/FileButtonTableCellView.h"
#include "platform/brisa/core/NoteSubscriber.h"

namespace corvelle {

class EditorWindowController;

// The save button of a file: it saves the selected files when the file is among them, else the
// file alone. Its symbol tells whether the file has unsaved edits.
class FileSaveTableCellView : public FileButtonTableCellView {
    Q_OBJECT

public:
    explicit FileSaveTableCellView(QWidget* parent = nullptr);

    static FileTableCellType cellType();

    bool hasUnsavedEdits() const;
    // The controller of the editor window the cell is in; null elsewhere.
    EditorWindowController* editorWindowController() const;
    void saveFile();

    void updateContent() override;
    void startObserving() override;
    void stopObserving() override;

protected:
    void performAction() override { saveFile(); }

private:
    brisa::NoteSubscriber editionsManagerDidFlushHistorySubscriber_;
};

} // namespace corvelle
