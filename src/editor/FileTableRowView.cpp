#include "editor/FileTableRowView.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace corvelle {

const QString FileTableRowView::identifier = QStringLiteral("FileTableRowView");

void FileTableRowView::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    QStyleOptionViewItem panel = option;
    panel.index = index;
    panel.text.clear();
    panel.icon = QIcon();
    panel.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration
                        | QStyleOptionViewItem::HasCheckIndicator);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewRow, &panel, painter, widget);
    style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, widget);
}

} // namespace corvelle
