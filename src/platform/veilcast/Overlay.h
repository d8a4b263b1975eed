#pragma once

#include <QObject>
#include <QPointer>

namespace veilcast {

class OverlayPanel;

// Common ground of the overlays: an object that its caller keeps, and the one panel it puts
// over the window it was last shown over. The panel belongs to that window, so destroying
// the window while the overlay is up is safe; destroying the overlay removes its panel.
class Overlay : public QObject {
    Q_OBJECT

public:
    ~Overlay() override;

protected:
    Overlay(int preferredWidth, QObject* parent);

    // Shows the panel over `window` with the current content; false without a window.
    bool presentOver(QWidget* window);
    // The current panel, or null when none was made or its window is gone.
    OverlayPanel* panel() const;

    // Builds the content widgets of a newly made panel.
    virtual void fillPanel(OverlayPanel& panel) = 0;
    // Puts the current state into the panel's widgets, when there is a panel.
    virtual void updateContent() = 0;

private:
    // The panel over `window`, made and filled on first use there; a panel over another
    // window is removed first.
    OverlayPanel* panelOver(QWidget* window);

    int preferredWidth_;
    QPointer<OverlayPanel> panel_;
};

} // namespace veilcast
