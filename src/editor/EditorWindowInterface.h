#pragma once

#include "widgets/MenuResponder.h"

#include <QList>
#include <QUrl>

class QMainWindow;

namespace corvelle {

// What the shell needs of the editor window: the window that carries the application's menu
// bar, the validation chain of its command families, its unsaved changes and its file list.
class EditorWindowInterface : public MenuResponder {
public:
    virtual QMainWindow* window() = 0;
    // True when a file of the list has edited tags that are not saved.
    virtual bool hasUnsavedChanges() const = 0;
    // Adds the files and folders that are not in the list yet.
    virtual void addFiles(const QList<QUrl>& urls) = 0;
    // The window's own actions, one per command and named after it, that the main menu shows
    // in place of its own items; none by default.
    virtual QList<QAction*> commandActions() const { return {}; }
};

} // namespace corvelle
