#pragma once

#include "editor/EditorViewController.h"

class QLabel;
class QPushButton;

namespace corvelle {

class DropFilesView;
class EditorWindowController;

// The section shown while no file is open: it invites the user to open files, by the open
// dialog or by dropping files and folders on it.
class EditorWelcomeViewController : public EditorViewController {
    Q_OBJECT

public:
    using EditorViewController::EditorViewController;

    QString nibName() const override { return QStringLiteral("EditorWelcomeView"); }
    WindowTitleVisibility windowTitleVisibility() const override { return WindowTitleVisibility::visible; }
    QString windowTitle() const override;
    QString windowSubtitle() const override;

    void setupViews() override;
    void addToolbarItems() override;
    void updateInterface() override;

    bool canOpenFilesFromFinder() const { return hasWindowController(); }
    void openFilesFromFinder();

    DropFilesView* dropFilesView() const { return dropFilesView_; }
    QPushButton* openFinderButton() const { return openFinderButton_; }

private:
    EditorWindowController* windowController() const;

    DropFilesView* dropFilesView_ = nullptr;
    QLabel* titleTextField_ = nullptr;
    QLabel* subtitleTextField_ = nullptr;
    QLabel* placeholderImageView_ = nullptr;
    QPushButton* openFinderButton_ = nullptr;
};

} // namespace corvelle
