#include "app/controls/BackgroundImageView.h"

#include "app/controls/WindowDragArea.h"

namespace corvelle {

BackgroundImageView::BackgroundImageView(QWidget* parent)
    : QLabel(parent)
{
    setAcceptDrops(false);
    new WindowDragArea(this);
}

} // namespace corvelle
