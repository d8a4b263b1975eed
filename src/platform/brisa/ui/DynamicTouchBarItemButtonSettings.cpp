#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"

#include <QGuiApplication>
#include <QPalette>

namespace brisa {

QColor DynamicTouchBarItemButtonSettings::accentColor()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight);
}

} // namespace brisa
