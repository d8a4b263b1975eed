#include "widgets/controls/BackgroundControlColor.h"

#include <QPainter>

namespace corvelle {

BackgroundControlColor::BackgroundControlColor(QWidget* parent)
    : QWidget(parent)
{
}

void BackgroundControlColor::paintEvent(QPaintEvent*)
{
    // The whole area, not only the exposed part, so the colour never shows seams.
    QPainter(this).fillRect(rect(), palette().color(QPalette::Base));
}

} // namespace corvelle
