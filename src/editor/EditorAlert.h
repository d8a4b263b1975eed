#pragma once

#include <QString>
#include <QStringList>

class QAbstractButton;
class QMessageBox;

namespace corvelle {

// The alerts of the editor window, whose texts come from the localisation keys of one stem:
// stem + "MessageText" and stem + "InformativeText".
class EditorAlert {
public:
    // The first button key ends the alert with its confirming button; the others cancel.
    static QMessageBox* make(const QString& stem, const QStringList& buttonKeys);
    // The button of the first key.
    static QAbstractButton* firstButton(const QMessageBox* alert);
};

} // namespace corvelle
