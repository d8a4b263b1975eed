#include "widgets/controls/ClickTokenField.h"

#include "widgets/controls/ClickAction.h"

#include <QLineEdit>

namespace corvelle {

ClickTokenField::ClickTokenField(QWidget* parent)
    : TokenField(parent)
{
    setFocusPolicy(Qt::NoFocus);
    editor()->setFocusPolicy(Qt::NoFocus);
    editor()->hide();
    setCursor(Qt::ArrowCursor);
    new ClickAction(this, [this] { Q_EMIT clicked(); });
}

} // namespace corvelle
