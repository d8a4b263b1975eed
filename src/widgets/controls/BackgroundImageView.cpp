#include "widgets/controls/BackgroundImageView.h"

#include "widgets/controls/WindowDragArea.h"

namespace corvelle {

BackgroundImageView::BackgroundImageView(QWidget* parent)
    : QLabel(parent)
{
    setAcceptDrops(false);
    new WindowDragArea(this);
}

} // namespace corvelle
