#include "editor/FileTextTableCellView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>

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
    textTextField_->setToolTip(text);
    showText();
}

void FileTextTableCellView::resizeEvent(QResizeEvent* event)
{
    FileItemTableCellView::resizeEvent(event);
    showText();
}

void FileTextTableCellView::showText()
{
    // The label cannot cut its text itself: the width is the cell's, less the stack's margins.
    const QMargins margins = stackView()->contentsMargins();
    const int available = std::max(1, width() - margins.left() - margins.right());
    textTextField_->setText(textTextField_->fontMetrics().elidedText(fullText_, Qt::ElideRight, available));
}

} // namespace corvelle
