#pragma once

#include <QStyledItemDelegate>

namespace corvelle {

// The name cell of the preset outline: the folder symbol of a group or the bolt of a preset, in
// the accent colour, then the name (the untitled name when it is blank).
class PresetNameTableCellView : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace corvelle
