#include "widgets/controls/RightClickOutlineView.h"

namespace corvelle {

RightClickOutlineView::RightClickOutlineView(QWidget* parent)
    : RightClickView<QTreeView>(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

} // namespace corvelle
