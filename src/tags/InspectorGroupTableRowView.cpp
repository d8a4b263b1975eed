#include "tags/InspectorGroupTableRowView.h"

#include <QPainter>
#include <QPalette>

namespace corvelle {

const char* const InspectorGroupTableRowView::identifier = "InspectorGroupTableRowView";

void InspectorGroupTableRowView::drawBackground(QPainter* painter, const QRect& rowRect, const QPalette& palette)
{
    painter->save();
    painter->fillRect(rowRect, palette.color(QPalette::AlternateBase));
    const QRectF line(rowRect.x(), rowRect.y() + rowRect.height() - 0.5, rowRect.width(), 0.5);
    painter->fillRect(line, palette.color(QPalette::Mid));
    painter->restore();
}

} // namespace corvelle
