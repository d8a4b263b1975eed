#pragma once

#include <QString>

class QWidget;

namespace corvelle {

// The alert of a preset library operation that failed: stem + "MessageText", stem +
// "InformativeText" with the reason (the file and what went wrong) and stem + "OKButton". A sheet
// on the window when it can carry one, else a window of its own.
class PresetFailureAlert {
public:
    static void show(QWidget* window, const QString& stem, const QString& reason);
};

} // namespace corvelle
