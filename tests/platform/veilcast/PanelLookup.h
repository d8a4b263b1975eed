#pragma once

#include "platform/veilcast/OverlayPanel.h"

#include <QWidget>

namespace corvelle::test {

// The overlay panel over `window`, or null unless there is exactly one.
inline veilcast::OverlayPanel* panelOf(const QWidget& window)
{
    const auto panels = window.findChildren<veilcast::OverlayPanel*>(Qt::FindDirectChildrenOnly);
    return panels.size() == 1 ? panels.first() : nullptr;
}

} // namespace corvelle::test
