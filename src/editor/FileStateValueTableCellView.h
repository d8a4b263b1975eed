#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// A text about the file's tags, read again whenever the row's revision says an applied edit
// may have touched the file.
class FileStateValueTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    using FileTextTableCellView::FileTextTableCellView;

    // "-" by default.
    virtual QString stateText(const MetadataFilePointer& file) const;
    QString text(const QModelIndex& index) const override { return stateText(file(index)); }

protected:
    // A fixed column of a tag count.
    static FileTableColumn makeTagCountTableColumn(const QString& identifier, const QString& titleKey);
    // "-" without a file, else the count text of that many tags.
    static QString tagsCountText(const MetadataFilePointer& file, qsizetype count);
};

} // namespace corvelle
