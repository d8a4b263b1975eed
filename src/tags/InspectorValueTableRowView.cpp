#include "tags/InspectorValueTableRowView.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace corvelle {

const char* const InspectorValueTableRowView::identifier = "InspectorValueTableRowView";

void InspectorValueTableRowView::drawBackground(QPainter* painter, const QStyleOptionViewItem& option)
{
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, option.widget);
}

} // namespace corvelle
