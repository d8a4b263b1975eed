#pragma once

#include "platform/brisa/ui/TableColumn.h"

#include <QList>
#include <Qt>

class QAbstractItemView;

namespace brisa {

// The columns of a table or tree view, as the model's horizontal header holds them.
class TableColumns {
public:
    static constexpr int identifierRole = Qt::UserRole + 0x0C01;

    // Removes every column of the view's model, then adds the given ones in their order.
    // False, with the model left as it was, when the model cannot change its columns.
    static bool replaceTableColumns(QAbstractItemView* view, const QList<TableColumn>& columns);

    // The position of the column with this identifier; -1 when there is none.
    static int columnIndex(const QAbstractItemView* view, const QString& identifier);
};

} // namespace brisa
