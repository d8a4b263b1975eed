#include "app/controls/ClickTextField.h"

#include <QMouseEvent>

namespace corvelle {

ClickTextField::ClickTextField(QWidget* parent)
    : QLineEdit(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ClickTextField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

// The second press of a double click is a press of its own.
void ClickTextField::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

// No drag selection, and no middle-button paste on release.
void ClickTextField::mouseMoveEvent(QMouseEvent*)
{
}

void ClickTextField::mouseReleaseEvent(QMouseEvent*)
{
}

} // namespace corvelle
