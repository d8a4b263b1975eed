#pragma once

#include "editor/EditorViewController.h"

#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class EditorWelcomeView;
} // namespace Ui

namespace corvelle {

class DropFilesView;
class EditorWindowController;

// The section shown while no file is open: it invites the user to open files, by the open
// dialog or by dropping files and folders on it.
class EditorWelcomeViewController : public EditorViewController {
    Q_OBJECT

public:
    explicit EditorWelcomeViewController(EditorWindowHost* editorWindowController);
    ~EditorWelcomeViewController() override;

    WindowTitleVisibility windowTitleVisibility() const override { return WindowTitleVisibility::visible; }
    QString windowTitle() const override;
    QString windowSubtitle() const override;

    void setupViews() override;
    void addToolbarItems() override;
    void addTouchBarItems() override;
    void updateInterface() override;
    // The open commands as the window controller validates them; the base's for the others.
    bool validateUserInterfaceItem(const QString& action) const override;

    bool canOpenFilesFromFinder() const { return hasWindowController(); }
    bool canOpenFilesFromPhotos() const { return hasWindowController(); }
    // Sent on to the window controller.
    void openFilesFromFinder();
    void openFilesFromPhotos();

    DropFilesView* dropFilesView() const { return dropFilesView_; }
    QPushButton* openFinderButton() const { return openFinderButton_; }
    QPushButton* openPhotosButton() const { return openPhotosButton_; }

protected:
    // The compiled form EditorWelcomeView, set up on this widget.
    void loadView() override;

private:
    EditorWindowController* windowController() const;

    std::unique_ptr<Ui::EditorWelcomeView> ui_;

    DropFilesView* dropFilesView_ = nullptr;
    QLabel* titleTextField_ = nullptr;
    QLabel* subtitleTextField_ = nullptr;
    QLabel* placeholderImageView_ = nullptr;
    QPushButton* openFinderButton_ = nullptr;
    QPushButton* openPhotosButton_ = nullptr;
};

} // namespace corvelle
