#pragma once

#include <QStyledItemDelegate>

namespace corvelle {

// The count cell of the preset outline: the number of entries of a preset, dimmed and aligned
// right; empty for a group.
class PresetCountTableCellView : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace corvelle
