#pragma once

#include <QStyledItemDelegate>

namespace corvelle {

// The base of the cells of the value tables (tag rows, preset entries, profile entries): a
// delegate that draws one kind of cell from the index's object value, which the table's model
// gives under objectValueRole (a ContentValue for a value row, a heading text for a section).
// A ContentTableRowView picks the cell of each row by the identifier the model names.
class ContentItemTableCellView : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The object value a cell draws.
    static constexpr int objectValueRole = Qt::UserRole + 100;

    explicit ContentItemTableCellView(QObject* parent = nullptr);

    static QString cellIdentifier() { return QStringLiteral("ContentItemTableCellView"); }
    // The identifier of this cell's class, under which rows name it.
    virtual QString identifier() const { return cellIdentifier(); }

    static QVariant objectValue(const QModelIndex& index) { return index.data(objectValueRole); }

    // The row that holds the cell hands it the events over it.
    bool handleEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index)
    {
        return editorEvent(event, model, option, index);
    }
};

} // namespace corvelle
