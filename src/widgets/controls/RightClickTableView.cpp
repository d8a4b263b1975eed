#include "widgets/controls/RightClickTableView.h"

namespace corvelle {

RightClickTableView::RightClickTableView(QWidget* parent)
    : RightClickView<QTableView>(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

} // namespace corvelle
