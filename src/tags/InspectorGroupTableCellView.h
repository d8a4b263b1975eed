#pragma once

#include <QStyledItemDelegate>

namespace corvelle {

// Draws a group heading of the raw comparison: the tag symbol, then the group's title in bold
// capitals, over the heading band (InspectorGroupTableRowView). The heading's cell spans its row.
// The display role holds the title; anything but a string shows nothing.
class InspectorGroupTableCellView : public QStyledItemDelegate {
    Q_OBJECT

public:
    static const char* const identifier;
    static constexpr int rowHeight = 38;

    explicit InspectorGroupTableCellView(QObject* parent = nullptr);

    // The text shown for a display value.
    static QString displayedText(const QVariant& value);
    static QFont headingFont(const QFont& base);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
