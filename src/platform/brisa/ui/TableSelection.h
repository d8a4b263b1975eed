#pragma once

#include <QList>

class QAbstractItemView;

namespace brisa {

// Row selection in item views. Rows are counted as the view shows them: the rows under the
// root of a list or table, and the visible (expanded) rows from the top of an outline.
class TableSelection {
public:
    static void selectOnlyRow(QAbstractItemView* view, int row);
    // Selects exactly these rows; rows outside the view are passed over, none clears the selection.
    static void selectOnlyRows(QAbstractItemView* view, const QList<int>& rows);
    // Scrolls the topmost selected row into view.
    static void scrollToFirstSelectedRow(QAbstractItemView* view);
};

} // namespace brisa
