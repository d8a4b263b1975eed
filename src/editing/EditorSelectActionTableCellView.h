#pragma once

#include <QStyledItemDelegate>

namespace corvelle {

// A row of the action list: a check mark circle for the chosen action, an empty circle for the
// others, then the action's title.
class EditorSelectActionTableCellView : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace corvelle
