#pragma once

#include <QString>

class QModelIndex;
class QPainter;
class QStyleOptionViewItem;

namespace corvelle {

// How every row of the program's lists is drawn under its cells: the style's row and item
// panels (alternate background, selection, hover, focus) over the whole cell, so that a row
// looks the same whichever cells it holds.
class FileTableRowView {
public:
    static const QString identifier;

    static void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index);
};

} // namespace corvelle
