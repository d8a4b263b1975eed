#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace almira {

// One pane of the preferences window. The pane owns its view and makes it on first request;
// the window only borrows the view while the pane is shown.
class PreferencePanel {
public:
    virtual ~PreferencePanel() = default;

    virtual QWidget* view() = 0;
    // Unique among the panes of one window; also the remembered choice of pane.
    virtual QString identifier() const = 0;
    // Localised texts of the pane's toolbar entry.
    virtual QString title() const = 0;
    // A null icon gives a toolbar entry without image.
    virtual QIcon image() const = 0;
    virtual QString toolTip() const = 0;
};

} // namespace almira
