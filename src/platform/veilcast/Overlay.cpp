#include "platform/veilcast/Overlay.h"

#include "platform/veilcast/OverlayPanel.h"

namespace veilcast {

Overlay::Overlay(int preferredWidth, QObject* parent)
    : QObject(parent)
    , preferredWidth_(preferredWidth)
{
}

Overlay::~Overlay()
{
    delete panel_;
}

OverlayPanel* Overlay::panelOver(QWidget* window)
{
    Q_ASSERT(window);
    if (panel_ && panel_->parentWidget() != window)
        delete panel_;
    if (!panel_) {
        panel_ = new OverlayPanel(window, preferredWidth_);
        fillPanel(*panel_);
    }
    return panel_;
}

bool Overlay::presentOver(QWidget* window)
{
    if (!window)
        return false;
    panelOver(window);
    updateContent();
    panel_->present();
    return true;
}

OverlayPanel* Overlay::panel() const
{
    return panel_;
}

} // namespace veilcast
