#include "widgets/controls/ClickAction.h"

#include <QMouseEvent>
#include <QWidget>

namespace corvelle {

ClickAction::ClickAction(QWidget* widget, std::function<void()> action)
    : QObject(widget)
    , widget_(widget)
    , action_(std::move(action))
{
    widget->installEventFilter(this);
}

bool ClickAction::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            action_();
        return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return true;
    default:
        return false;
    }
}

} // namespace corvelle
