#include "tags/ContentItemTableCellView.h"

namespace corvelle {

ContentItemTableCellView::ContentItemTableCellView(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

} // namespace corvelle
