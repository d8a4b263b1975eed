#pragma once

#include "editor/FileTableCellType.h"
#include "filemodel/MetadataFile.h"

#include <QWidget>

class QHBoxLayout;

namespace corvelle {

// The base of the cells of the file tables: a row of subviews centred in the cell, showing the
// file of its row. Every assignment of a file, the same one or none included, stops observing,
// starts again when there is a file, then redraws, so a cell moved to another row never keeps
// following the file it showed before.
class FileItemTableCellView : public QWidget {
    Q_OBJECT

public:
    explicit FileItemTableCellView(QWidget* parent = nullptr);

    static FileTableCellType cellType();

    const MetadataFilePointer& file() const { return file_; }
    void setFile(const MetadataFilePointer& file);
    void reloadObjectValue();

    virtual void updateContent() {}
    virtual void startObserving() {}
    virtual void stopObserving() {}

protected:
    QHBoxLayout* stackView() const { return stackView_; }

    // A cell type of the class `Cell`, shown in `column`.
    template<class Cell>
    static FileTableCellType typeOf(const QString& cellIdentifier, std::function<FileTableColumn()> column)
    {
        return {column().identifier, cellIdentifier, std::move(column), [] { return new Cell; }};
    }

private:
    QHBoxLayout* stackView_;
    MetadataFilePointer file_;
};

} // namespace corvelle
