#include "widgets/controls/ClickTextField.h"

#include "widgets/controls/ClickAction.h"

namespace corvelle {

ClickTextField::ClickTextField(QWidget* parent)
    : QLineEdit(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    new ClickAction(this, [this] { Q_EMIT clicked(); });
}

} // namespace corvelle
