#pragma once

class QPainter;
class QStyleOptionViewItem;

namespace corvelle {

// The background of a value row of the raw comparison: a plain table row, selected or not, as
// the style draws it.
class InspectorValueTableRowView {
public:
    static const char* const identifier;

    static void drawBackground(QPainter* painter, const QStyleOptionViewItem& option);
};

} // namespace corvelle
