#pragma once

#include <QHash>
#include <QPointer>
#include <QStyledItemDelegate>

namespace corvelle {

class ContentItemTableCellView;

// The row of the value tables: each row that is not a heading is a rounded card with a soft
// shadow, 4 points inside the row; a selected card gets an outline, in the accent colour while
// the table has the focus (the emphasised state), else in the secondary colour over a greyed
// fill. Headings draw no card. The row then hands its cell to the cell delegate that the model
// names for it, which a table registers once.
class ContentTableRowView : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The identifier of the row's cell (ContentValueTableCellView::cellIdentifier(), ...).
    static constexpr int cellIdentifierRole = Qt::UserRole + 101;
    // True for a heading row.
    static constexpr int isHeaderRole = Qt::UserRole + 102;

    static constexpr qreal cardInset = 4;
    static constexpr qreal cornerRadius = 8;

    explicit ContentTableRowView(QObject* parent = nullptr);

    static QString rowIdentifier() { return QStringLiteral("ContentItemTableRowView"); }

    // The cell delegate drawing the rows that name its identifier. Not owned.
    void registerCell(ContentItemTableCellView* cell);
    ContentItemTableCellView* cell(const QString& identifier) const;
    ContentItemTableCellView* cellForIndex(const QModelIndex& index) const;

    // The colours of a card.
    struct CardColors {
        QColor fill;
        QColor stroke;
        QColor shadow;
    };
    static CardColors cardColors(const QPalette& palette, bool selected, bool emphasized);
    // The selection shows as the emphasised outline while the view holds the focus in the
    // active window.
    static bool isEmphasized(const QStyleOptionViewItem& option);
    static void drawContentBackground(QPainter* painter, const QRectF& row, bool isHeader, bool selected, bool emphasized,
                                      const QPalette& palette);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    QHash<QString, QPointer<ContentItemTableCellView>> cells_;
};

} // namespace corvelle
