#pragma once

#include "app/EditorWindowInterface.h"

#include <QMainWindow>

namespace corvelle {

// The main window the shell shows until the editor window exists: it carries the menu bar and
// nothing else. It holds no files and claims no command, so every editor command stays
// disabled and files handed to it are not opened.
class EditorWindowPlaceholder : public QMainWindow, public EditorWindowInterface {
    Q_OBJECT

public:
    EditorWindowPlaceholder();

    QMainWindow* window() override { return this; }
    bool hasUnsavedChanges() const override { return false; }
    void addFiles(const QList<QUrl>& urls) override;
    MenuValidation validateMenuCommand(const QString& command, QAction* item) override;
    void performMenuCommand(const QString& command, QAction* sender) override;
};

} // namespace corvelle
