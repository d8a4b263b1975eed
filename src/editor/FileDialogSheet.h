#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QFileDialog;
class QWidget;

namespace corvelle {

// The file dialogs the editor window's commands ask with: window-modal on the window, named
// for whoever drives them, their accept button titled by a localisation key.
class FileDialogSheet {
public:
    // A dialog that chooses one folder.
    static QFileDialog* makeFolderPanel(QWidget* window, const QString& objectName, const QString& acceptKey);
    static QFileDialog* makePanel(QWidget* window, const QString& objectName, const QString& acceptKey);

    // Shows the dialog; `completion` runs, after it closed, with the chosen local URL, and only
    // when one was confirmed. The dialog is deleted either way.
    static void present(QWidget* window, QFileDialog* panel, std::function<void(const QUrl& url)> completion);
};

} // namespace corvelle
