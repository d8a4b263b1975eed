#include "editor/FileButtonTableCellView.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace corvelle {

FileButtonTableCellView::FileButtonTableCellView(QWidget* parent)
    : FileItemTableCellView(parent)
    , selectionButton_(new QToolButton(this))
{
    selectionButton_->setAutoRaise(true);
    selectionButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    selectionButton_->setIconSize(QSize(15, 15));
    connect(selectionButton_, &QToolButton::clicked, this, [this] { performAction(); });
    stackView()->addWidget(selectionButton_);
}

} // namespace corvelle
