#include "editor/FileItemTableCellView.h"

#include <QHBoxLayout>

namespace corvelle {

FileItemTableCellView::FileItemTableCellView(QWidget* parent)
    : QWidget(parent)
    , stackView_(new QHBoxLayout(this))
{
    stackView_->setContentsMargins(4, 0, 4, 0);
    stackView_->setSpacing(12);
    stackView_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
}

FileTableCellType FileItemTableCellView::cellType()
{
    return typeOf<FileItemTableCellView>(QStringLiteral("FileItemTableCellView"), [] {
        return FileTableColumn{QStringLiteral("FileItemTableColumn")};
    });
}

void FileItemTableCellView::setFile(const MetadataFilePointer& file)
{
    file_ = file;
    reloadObjectValue();
}

void FileItemTableCellView::reloadObjectValue()
{
    stopObserving();
    if (file_)
        startObserving();
    updateContent();
}

} // namespace corvelle
