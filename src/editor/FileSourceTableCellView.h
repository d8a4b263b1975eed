#pragma once

#include "editor/FileItemTableCellView.h"
#include "platform/brisa/core/MultiNoteSubscriber.h"

class QLabel;

namespace corvelle {

// The file's name over its folder ("~" for the home folder), following the editor's source.
class FileSourceTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    explicit FileSourceTableCellView(QWidget* parent = nullptr);

    static FileTableCellType cellType();

    QLabel* filenameTextField() const { return filenameTextField_; }
    QLabel* directoryTextField() const { return directoryTextField_; }

    void updateContent() override;
    void startObserving() override;
    void stopObserving() override;

private:
    QLabel* filenameTextField_;
    QLabel* directoryTextField_;
    brisa::MultiNoteSubscriber editorDidChangeInfoSubscriber_;
};

} // namespace corvelle
