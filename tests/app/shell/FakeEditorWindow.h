#pragma once

#include "app/AppController.h"
#include "editor/EditorWindowInterface.h"

#include <QMainWindow>
#include <QSet>

// An editor window that claims the commands it is told to and records what it is asked to do.
class FakeEditorWindow : public corvelle::EditorWindowInterface {
public:
    QMainWindow* window() override { return &window_; }
    bool hasUnsavedChanges() const override { return unsavedChanges; }
    void addFiles(const QList<QUrl>& urls) override { addedFiles << urls; }

    corvelle::MenuValidation validateMenuCommand(const QString& command, QAction*) override
    {
        if (enabledCommands.contains(command))
            return corvelle::MenuValidation::enabled;
        if (disabledCommands.contains(command))
            return corvelle::MenuValidation::disabled;
        return corvelle::MenuValidation::notMine;
    }
    void performMenuCommand(const QString& command, QAction*) override { performed << command; }

    bool unsavedChanges = false;
    QSet<QString> enabledCommands;
    QSet<QString> disabledCommands;
    QList<QUrl> addedFiles;
    QStringList performed;

private:
    QMainWindow window_;
};

// A launch without modifier keys whose editor window is a FakeEditorWindow, put in `editor` when
// it is made.
inline corvelle::AppController::Environment fakeEditorEnvironment(FakeEditorWindow*& editor)
{
    corvelle::AppController::Environment environment;
    environment.keyboardModifiers = [] { return Qt::KeyboardModifiers(); };
    environment.makeEditorWindow = [&editor] {
        auto made = std::make_unique<FakeEditorWindow>();
        editor = made.get();
        return made;
    };
    return environment;
}
