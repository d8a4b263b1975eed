#include "widgets/controls/WindowDragArea.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace corvelle {

WindowDragArea::WindowDragArea(QWidget* widget)
    : QObject(widget)
    , widget_(widget)
{
    widget->installEventFilter(this);
}

bool WindowDragArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        QWidget* window = widget_->window();
        grabOffset_.reset();
        if (QWindow* handle = window->windowHandle(); handle && handle->startSystemMove())
            return true;
        grabOffset_ = mouse->globalPosition().toPoint() - window->pos();
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!grabOffset_ || !(mouse->buttons() & Qt::LeftButton))
            return false;
        widget_->window()->move(mouse->globalPosition().toPoint() - *grabOffset_);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        grabOffset_.reset();
        return true;
    }
    default:
        return false;
    }
}

} // namespace corvelle
