#pragma once

#include "engine/halvex/tags/TagComparatorSearchValue.h"

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

#include <optional>
#include <utility>

class QPalette;

namespace corvelle {

// Draws one value of the raw comparison (a halvex::TagComparatorSearchValue in searchValueRole):
// bold tag titles on the right, values on the left and wrapped, binary placeholders faded,
// values that differ between files in the accent colour, and the first match of the search
// text highlighted. Text is cut at maxLength characters before it is shown or measured.
class InspectorValueTableCellView : public QStyledItemDelegate {
    Q_OBJECT

public:
    static const char* const identifier;
    static constexpr int searchValueRole = Qt::UserRole + 40;
    static constexpr int maxLength = 2000;
    static constexpr int minimumRowHeight = 22;

    // How one value shows: on a selected row (`alternate`) the text and highlight take the
    // selection's colours.
    struct Presentation {
        QString text;
        Qt::Alignment alignment = Qt::AlignLeft;
        QFont font;
        double opacity = 1.0;
        QColor textColor;
        QColor highlightColor;
        // (start, length) in UTF-16 units of `text`.
        std::optional<std::pair<qsizetype, qsizetype>> highlight;
    };

    explicit InspectorValueTableCellView(QObject* parent = nullptr);

    static Presentation presentation(const halvex::TagComparatorSearchValue& value, bool alternate,
                                     const QPalette& palette, const QFont& baseFont);
    // The height a row needs for this value in a column `columnWidth` wide: 8 without text, else
    // the wrapped text's height + 4 (at least 22), + 8.
    static int heightNeeded(const halvex::TagComparatorSearchValue& value, int columnWidth, const QFont& baseFont);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
