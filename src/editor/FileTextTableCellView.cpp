#include "editor/FileTextTableCellView.h"

#include <QHBoxLayout>
#include <QLabel>

namespace corvelle {

FileTextTableCellView::FileTextTableCellView(QWidget* parent)
    : FileItemTableCellView(parent)
    , textTextField_(new QLabel(this))
{
    textTextField_->setTextFormat(Qt::PlainText);
    textTextField_->setMinimumWidth(1);
    stackView()->addWidget(textTextField_, 1);
}

QString FileTextTableCellView::text() const
{
    return fullText_;
}

void FileTextTableCellView::setText(const QString& text)
{
    fullText_ = text;
    textTextField_->setText(text);
    textTextField_->setToolTip(text);
}

} // namespace corvelle
