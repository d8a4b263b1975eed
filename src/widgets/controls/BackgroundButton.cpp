#include "widgets/controls/BackgroundButton.h"

#include "widgets/controls/WindowDragArea.h"

namespace corvelle {

BackgroundButton::BackgroundButton(QWidget* parent)
    : QPushButton(parent)
{
    setAcceptDrops(false);
    setFocusPolicy(Qt::NoFocus);
    // The left-button presses go to the window drag, so the button is never pressed.
    new WindowDragArea(this);
}

} // namespace corvelle
