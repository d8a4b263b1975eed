#include "tags/ContentTableViewStyle.h"

#include <QApplication>

namespace corvelle {

ContentTableViewStyle::ContentTableViewStyle(QObject* parent)
    : QProxyStyle(QApplication::style()->name())
{
    setParent(parent);
}

void ContentTableViewStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                          const QWidget* widget) const
{
    if (element == PE_PanelItemViewRow || element == PE_PanelItemViewItem || element == PE_FrameFocusRect)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace corvelle
