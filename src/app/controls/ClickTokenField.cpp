#include "app/controls/ClickTokenField.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace corvelle {

ClickTokenField::ClickTokenField(QWidget* parent)
    : TokenField(parent)
{
    setFocusPolicy(Qt::NoFocus);
    editor()->setFocusPolicy(Qt::NoFocus);
    editor()->hide();
    setCursor(Qt::ArrowCursor);
}

void ClickTokenField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

// The second press of a double click is a press of its own.
void ClickTokenField::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

} // namespace corvelle
